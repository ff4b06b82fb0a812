#pragma once
// A wisplet design as a document: the settings, the chosen library picture
// and the pictures inserted into the content, and the .wisplet file that
// holds them (a ZIP container: "mimetype", "design.json", "pictures/...").
// Widget-free; the readers work on bytes and never touch the disk.
// docs/design-format.md describes the file for other programs.
#include "designer/WispletSettings.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

inline constexpr const char* DesignMimeType = "application/x-wisplet-design";
inline constexpr const char* DesignFormatName = "wisplet-design";
inline constexpr int DesignFormatVersion = 1;
inline constexpr const char* DesignSuffix = ".wisplet";

// The library picture chosen as background.
struct DesignBackground {
    int category = 1;  // 1..4, index into WispletSettings::backCategories()
    QString name;      // the picture list's item text: its file name in the category folder
    QString picture;   // container entry holding the picture's own bytes, "pictures/<file>"
    QByteArray bytes;
    bool operator==(const DesignBackground&) const = default;
};

// A picture the content refers to as Wisplet_Files/MyImage<N>.jpg|gif.
struct DesignImage {
    QString name;    // "MyImage<N>.jpg" or "MyImage<N>.gif"
    QString picture; // container entry, "pictures/MyImage<N>.jpg"
    QByteArray bytes;
    bool operator==(const DesignImage&) const = default;
};

struct DesignDocument {
    // backCategory and backImage follow `background` (0 and "" without one);
    // autoPreview is the window's and is not kept in the file.
    WispletSettings settings;
    std::optional<DesignBackground> background;
    QList<DesignImage> images;
    bool operator==(const DesignDocument&) const = default;
};

struct DesignRead {
    std::optional<DesignDocument> design;
    QString error; // why the bytes are not a usable design (empty when `design` is set)
};

// design.json of a document (UTF-8, keys in a fixed order).
QByteArray DesignToJson(const DesignDocument& design);
// The document described by design.json, every field checked; the pictures'
// bytes are left empty. Unknown keys are ignored; a later format version is
// refused with a message naming it.
DesignRead DesignFromJson(const QByteArray& json);

// The whole .wisplet file. Empty with `error` set on failure.
QByteArray WriteDesign(const DesignDocument& design, QString* error = nullptr);
// A .wisplet file read from memory: the container, its mimetype, design.json
// and every picture it names (which must decode) are checked.
DesignRead ReadDesign(const QByteArray& bytes);

// Save atomically: the file is written beside the target and renamed over it,
// so on failure the previous file is intact. Returns false with `error` set.
bool SaveDesignFile(const QString& path, const DesignDocument& design, QString* error);
// Read and check a design file (ReadDesign), refusing files too large to be one.
DesignRead ReadDesignFile(const QString& path);

// Numbers N of the references to Wisplet_Files/MyImage<N>.jpg|gif (with '/'
// or '\') in a content, ascending, each once.
QList<int> ReferencedImageNumbers(const QString& content);
// The content with every reference to picture number `from` renumbered by `map`.
QString RenumberImageReferences(const QString& content, const QHash<int, int>& map);
