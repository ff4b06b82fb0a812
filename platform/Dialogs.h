#pragma once
// The common dialogs, message boxes and input boxes. Windows never call a Qt
// dialog directly: they call dialogs(), which is the Qt implementation in the
// program and a scripted FakeDialogs in tests.
#include "platform/Color.h"

#include <QString>
#include <optional>

class QWidget;

inline const QString AppTitle = QStringLiteral("Wisplet Dorizized");

enum class MsgIcon { None, Information, Warning, Critical, Question };
// SaveDiscardCancel answers Yes for Save, No for Discard.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FontChoice {
    QString name = QStringLiteral("Arial");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    ColorValue color = Color::Black;
    bool operator==(const FontChoice&) const = default;
};

// The link dialog's fields. In an answer, remove: the user chose Remove Link.
struct LinkChoice {
    QString address;
    QString text;
    bool newWindow = false;
    bool remove = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Open-file dialog. filter: "description|pattern" pairs joined by "|",
    // e.g. "GIF Images (*.gif)|*.gif|JPEG Images (*.jpg) |*.jpg". Returns the
    // chosen file's full path, or nothing when cancelled. The last chosen path
    // is kept (lastFileName) across showings in this run.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Save-file dialog starting at `suggested` (a path or a file name); the
    // toolkit asks before replacing a file. Nothing = cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                            const QString& suggested) = 0;
    // Colour dialog; fullOpen expands the custom-colour section. Nothing = cancelled.
    virtual std::optional<ColorValue> chooseColor(QWidget* parent, std::optional<ColorValue> initial,
                                                  bool fullOpen) = 0;
    // Font dialog with the seven values; nothing = cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) = 0;
    // Folder picker that lets the user create a folder; nothing = cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title) = 0;
    // Input box; cancel gives an empty text.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;
    // Message box; returns the button pressed (closing the box = Cancel, or
    // No for Yes/No, or Ok for Ok).
    virtual MsgAnswer message(QWidget* parent, const QString& text, const QString& title = AppTitle,
                              MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;

    // Link dialog (address, text, open in a new window) filled with `current`;
    // Remove Link is offered when `existing`. Nothing = cancelled.
    virtual std::optional<LinkChoice> editLink(QWidget* parent, const LinkChoice& current, bool existing) = 0;

    QString lastFileName; // full path of the last file chosen in an open-file dialog
};

// The dialogs in force: the Qt ones unless a test installed others.
Dialogs& dialogs();
// Install another implementation (nullptr restores the Qt one). Not owned.
void setDialogs(Dialogs* d);

// The toolkit's file-dialog filter ("Desc (*.a *.b);;...") for a filter text
// of "description|pattern" pairs (patterns separated by ';').
QString qtFileFilter(const QString& filter);
