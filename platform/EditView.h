#pragma once
// The editable HTML view: a document the user edits in place, driven by
// numbered editing commands. WebEditView is the browser-engine implementation;
// FakeEditView is a scripted one for tests of the windows built on it.
//
// Reading the document is asynchronous (the engine answers later); every
// callback is called exactly once, also when the view fails or goes away
// meanwhile (then with nothing).
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

// The numbered editing commands, with the numbers of the DHTML editing
// control they stand for.
enum class EditCommand {
    Bold = 5000,
    Copy = 5002,
    Cut = 5003,
    DeleteCols = 5006,
    DeleteRows = 5007,
    FindText = 5008,     // value: the text to find (empty: nothing)
    Font = 5009,         // value: FontValue() of the chosen font (empty: nothing)
    Hyperlink = 5016,    // value: the address (empty: nothing)
    Indent = 5018,
    InsertCell = 5019,
    InsertCol = 5020,
    InsertRow = 5021,
    JustifyCenter = 5024,
    Italic = 5023,
    JustifyLeft = 5025,
    JustifyRight = 5026,
    OrderList = 5030,
    Outdent = 5031,
    Paste = 5032,
    Redo = 5033,
    SelectAll = 5035,
    SetBackColor = 5042, // value: "#RRGGBB" (empty: nothing)
    SplitCell = 5047,
    Underline = 5048,
    Undo = 5049,
    UnorderList = 5051,
};

// The link at the caret (inLink) or, when there is none, the selected text.
struct LinkInfo {
    bool inLink = false;
    QString address;
    QString text;
    bool newWindow = false;
};

class EditView : public QObject {
    Q_OBJECT
public:
    using HtmlCallback = std::function<void(std::optional<QString>)>;
    // The document and the caret's place in it (-1 when there is no caret).
    using CaretHtmlCallback = std::function<void(std::optional<QString>, qsizetype caret)>;
    using LinkCallback = std::function<void(std::optional<LinkInfo>)>;
    // A comment of this text in a loaded document is where the caret goes
    // (the comment itself is dropped).
    static constexpr const char* CaretComment = "<!--wisplet-caret-->";

    explicit EditView(QObject* parent = nullptr) : QObject(parent) {}
    ~EditView() override = default;

    // The widget that shows the document (objectName "DHTMLEdit1").
    virtual QWidget* widget() = 0;

    // Replace the whole document by `html` (any size), relative references
    // resolving against baseFolder (a local folder path). Browse mode and tag
    // display stay as set; the undo history starts empty. Emits
    // loaded() when the document can be edited; a load never emits changed().
    virtual void load(const QString& html, const QString& baseFolder) = 0;
    // Run one command on the selection; a command the document refuses does
    // nothing and reports nothing.
    virtual void exec(EditCommand command, const QString& value = QString()) = 0;
    // Replace the selection (or insert at the caret) with an HTML fragment,
    // as one step of the undo history.
    virtual void insertHtml(const QString& html) = 0;
    // The whole document as HTML text, comments intact and without any of the
    // view's editing aids; nothing when the document cannot be read.
    virtual void readHtml(HtmlCallback done) = 0;
    // The same, with the caret's position in the text.
    virtual void readHtmlWithCaret(CaretHtmlCallback done) = 0;

    // Links: what is at the caret; make the link at the caret (or the
    // selection, or a new text at the caret) point to `address` (taken as it
    // is: the caller checks it) with `text`; take the link at the caret away,
    // keeping its text. Each change is one step of the undo history.
    virtual void readLink(LinkCallback done) = 0;
    virtual void setLink(const QString& address, const QString& text, bool newWindow) = 0;
    virtual void removeLink() = 0;

    // Browse mode: the document cannot be edited and activating a link
    // emits linkActivated() (the view itself never leaves its document).
    virtual void setBrowseMode(bool on) = 0;
    virtual bool browseMode() const = 0;
    // Tag display: marks for the document's comments and outlines for tables,
    // cells and pictures. Never part of the document or the clipboard.
    virtual void setShowDetails(bool on) = 0;
    virtual bool showDetails() const = 0;

    // The font answer as the value of EditCommand::Font: name, size in
    // points, bold, italic, underline, strikethrough and colour "#RRGGBB".
    static QString FontValue(const QString& name, double points, bool bold, bool italic, bool underline,
                             bool strikethrough, const QString& color);

signals:
    void loaded(bool ok);
    // The user or a command changed the document: typing, paste, cut, drop,
    // commands, insertions, undo and redo.
    void changed();
    void linkActivated(const QUrl& url);
    // The user pasted or dropped something: the view inserts nothing itself.
    // html is empty for plain text (Ctrl+Shift+V, or a clipboard without HTML).
    void pasteRequested(const QString& html, const QString& text);
    // The engine that shows the document stopped; the document is lost.
    void crashed();
};
