#pragma once
// Scripted dialogs and shell for tests. Constructing one installs it as
// dialogs() / shell(); destroying it restores the real one. Answers are taken
// from the queues in order; an empty queue answers "cancel" (message boxes:
// Cancel for OK/Cancel and Yes/No/Cancel, No for Yes/No, Ok for OK).
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <deque>
#include <vector>

class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "openFile", "saveFile", "color", "font", "folder", "input", "message"
        QString text;  // filter, prompt or message text
        QString title;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        QString defaultText; // the text an input box proposed
    };

    FakeDialogs();
    ~FakeDialogs() override;

    std::deque<std::optional<QString>> openFileAnswers;
    std::deque<std::optional<QString>> saveFileAnswers;
    std::deque<std::optional<ColorValue>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<QString> inputAnswers;
    std::deque<MsgAnswer> messageAnswers;
    std::deque<std::optional<LinkChoice>> linkAnswers;
    std::vector<LinkChoice> linksOffered; // what each link dialog opened with

    std::vector<Shown> shown; // every dialog shown, in order
    std::vector<FontChoice> fontsOffered; // what each font dialog opened with
    // Texts of the message boxes shown, in order.
    QStringList messages() const;

    std::optional<QString> openFile(QWidget*, const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& suggested) override;
    std::optional<ColorValue> chooseColor(QWidget*, std::optional<ColorValue> initial, bool fullOpen) override;
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice& current) override;
    std::optional<QString> chooseFolder(QWidget*, const QString& title) override;
    QString inputBox(QWidget*, const QString& prompt, const QString& title, const QString& defaultText) override;
    MsgAnswer message(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<LinkChoice> editLink(QWidget*, const LinkChoice& current, bool existing) override;
};

// Real file copies (questions go through dialogs()), but opening documents and
// starting programs is only recorded.
class FakeShell : public Shell {
public:
    FakeShell();
    ~FakeShell() override;

    QStringList opened;                // paths given to openDocument
    QStringList openedUrls;            // addresses given to openUrl
    QList<QStringList> started;        // program followed by its arguments
    QStringList programsOnPath;        // names findProgram reports as present
    bool failCopies = false;           // make every copyFile fail

    CopyResult copyFile(QWidget* parent, const QString& source, const QString& destination) override;
    bool openDocument(const QString& path) override;
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) override;
};
