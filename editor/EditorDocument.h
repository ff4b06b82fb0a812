#pragma once
// The editor's document: the mock-up of the box built around the content, the
// two marker comments, and the rule that takes the content back out.
#include "editor/ContentText.h"

#include <QString>
#include <optional>

// The main window's fields the mock-up is built from, as displayed.
struct EditorFields {
    QString align;       // alignment list text, e.g. "Default"
    QString width;
    QString height;
    QString borderWidth;
    QString borderColor; // "#RRGGBB"
    QString padIn;
    QString borderStyle; // border style list text, e.g. "solid"
    QString content;     // the content HTML
};

// Both exactly 78 characters.
inline const QString StartMarker =
    QStringLiteral("<!-------------------------  Insert your code here -------------------------->");
inline const QString EndMarker =
    QStringLiteral("<!--------------------------------  End Code -------------------------------->");

// `text` escaped for a double-quoted attribute value (& " < >).
QString AttributeText(const QString& text);

// The template: seven lines, each ended by CR LF: the one-cell table with the
// box's attributes (each value double-quoted and escaped), the row and cell
// holding the content area (the box's width, height and text, then the Arial
// font), an empty line, the start marker, the content, the end marker, and the
// closing tags.
QString EditorTemplate(const EditorFields& fields, const ContentTextStyle& text = ContentTextStyle());

enum class ExtractFault { None, NoStartMarker, NoEndMarker, EndBeforeStart };

struct Extracted {
    std::optional<QString> content; // nothing when a marker fault prevents the write-back
    ExtractFault fault = ExtractFault::None;
};

// The content of a document: the text between the first start marker and the
// first end marker after it, without the line break that the template put on
// each side (each removed only when still there). Nothing when the start
// marker is missing, the end marker is missing, or the only end marker comes
// before the start marker.
Extracted ExtractContent(const QString& document);

// What a write-back puts into the content box: the original content when the
// extracted text is what the freshly loaded document gave (no edit changed
// it, so the browser's re-spelling of the same markup is not written), else
// the extracted text.
QString ContentToWrite(const QString& extracted, const std::optional<QString>& loadedExtract,
                       const QString& original);

// The message that tells the user why nothing was written back.
QString ExtractFaultMessage(ExtractFault fault);
