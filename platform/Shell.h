#pragma once
// The desktop shell: copying a file with a question before replacing, opening
// a document or folder with the desktop's default program, starting a
// program. shell() is the real one in the program and a FakeShell in tests.
#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

enum class CopyResult {
    Copied,   // the file was copied
    Declined, // the target existed and the user declined to replace it
    Failed    // missing source, unwritable target, ...
};

class Shell {
public:
    virtual ~Shell() = default;
    // Copy one file. destination: a folder path ending in '/' (the file keeps
    // its name) or a full file path. An existing target is replaced only after
    // the user agreed through dialogs().message (Yes/No). Never throws.
    virtual CopyResult copyFile(QWidget* parent, const QString& source, const QString& destination);
    // Open a document or folder with the desktop's default program.
    virtual bool openDocument(const QString& path);
    // Open an address (web page, mail address, file URL) with the desktop's
    // program for it.
    virtual bool openUrl(const QUrl& url);
    // Start a program (looked up on the PATH when not absolute) detached.
    virtual bool startProgram(const QString& program, const QStringList& arguments = {});
    // Full path of a program on the PATH, or empty.
    virtual QString findProgram(const QString& name);
};

Shell& shell();
void setShell(Shell* s); // nullptr restores the real shell. Not owned.
