#pragma once
// The design being edited as a document: its file, the modified flag, the
// undo history of setting changes, the recently used files and the autosave
// for crash recovery. Widget-free: the window hands it two functions, one
// that reads the design's state from the controls and one that puts a state
// back into them (and makes the preview and the background as after a change).
#include "designer/DesignDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>

class QLockFile;
class QWidget;

// The last files opened or saved, newest first, kept in the user's configuration.
class RecentFiles {
public:
    static constexpr int Max = 8;
    static QStringList list();
    static void add(const QString& path);
    static void remove(const QString& path);
    // The configuration file to use instead of the user's (tests); empty: the user's.
    static void setStore(const QString& iniFile);
};

class DocumentController : public QObject {
    Q_OBJECT
public:
    // What the window does for the controller.
    struct Host {
        std::function<WispletSettings()> read;          // the state of the controls now
        // Put a state into the controls. fresh: a new or opened design (the
        // old background picture goes); else an undo or redo step.
        std::function<void(const WispletSettings&, bool fresh)> apply;
        QWidget* dialogParent = nullptr;
    };

    explicit DocumentController(Host host, QObject* parent = nullptr);
    ~DocumentController() override;

    QString filePath() const { return path_; }   // empty while untitled
    bool isModified() const { return !stack_.isClean(); }
    QUndoStack& undoStack() { return stack_; }

    // A control changed. `source` names the control: consecutive changes of
    // one control within a moment (typing, a spinner held down) are one
    // step; `follows` joins this change to the step before it whatever the
    // time (the picture list refilled after a category change).
    void noteChange(const QString& source, bool follows = false);

    // The File menu's commands. Each returns false when cancelled or failed
    // (after telling the user why); the current design is then untouched.
    bool newDesign();
    bool open();                         // asks for a file
    bool openFile(const QString& path);  // also File > Open Recent, the command line
    bool save();
    bool saveAs();
    // The three-way question before the design is replaced or the program
    // ends: true when the caller may go on (saved, discarded or not modified).
    bool maybeSave();

    // Crash recovery. The recovery file is written every AutosaveMs of
    // change while the design is modified and removed on a clean exit.
    static constexpr int AutosaveMs = 30000;
    QString recoveryFile() const { return recovery_; }
    void setRecoveryFile(const QString& path); // default: recovery.wisplet in the application folder
    // After start-up: offer a recovery file left by a crash. Returns true
    // when a design was restored.
    bool offerRecovery();
    // Once the window is up: offerRecovery(), then open the design named on
    // the command line, if any (setOpenAtStart).
    void startUp();
    void setOpenAtStart(const QString& path) { openAtStart_ = path; }
    // Writes the recovery file in the background (a design with megabytes of
    // content takes a while to pack); waitForRecovery() waits for the write.
    void writeRecovery();
    void waitForRecovery() { recoveryWriter_.waitForDone(); }
    // The program ends normally: the recovery file goes.
    void cleanExit();

    // "Save changes to box.wisplet?" and the file name shown in the title.
    QString displayName() const;

signals:
    // The file or the modified flag changed: the window updates its title.
    void titleChanged();
    void recentFilesChanged();

private:
    friend class DesignStep;
    void applyStep(const WispletSettings& state);
    bool load(const QString& path);
    bool saveTo(const QString& path);
    bool replaceWith(const DesignDocument& design, const QString& path, bool modified);
    void message(const QString& text);
    void settleRecovery();

    Host host_;
    QUndoStack stack_;
    QString path_;
    WispletSettings last_; // the state after the last recorded step
    bool applying_ = false;
    QTimer autosave_;
    QString recovery_;
    std::unique_ptr<QLockFile> lock_;
    bool recoveryOwned_ = false;
    QString openAtStart_;
    QThreadPool recoveryWriter_; // one thread: the writes land in order; destroyed first, it waits for them
};
