#pragma once
// The export window `Export` (" Export Wisplet Files"): export the run-time
// files into a folder of the user's choice and copy the head line and the body
// code. Shown modally over the main window, which it enables again when it closes.
#include "designer/ExportCode.h"
#include "designer/WispletSettings.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;

class Export : public QWidget {
    Q_OBJECT
public:
    // settings: read once, the code is built here. owner: the main window,
    // enabled again when this window closes; it is not this window's Qt
    // parent (a disabled parent would disable this window too). The window
    // deletes itself when closed.
    Export(const WispletSettings& settings, QWidget* owner);
    ~Export() override;

    QString headLine() const;
    QString bodyCode() const; // the whole code, lines joined by CR LF
    QString embedCode() const; // the embed without inline script, lines joined by CR LF
    // Outcome of the last "Export Files" (empty before).
    const ExportOutcome& lastOutcome() const { return outcome_; }

public slots:
    void exportFiles(); // "Export Files" (Command1)
    void copyScript();  // "Copy" of the head line (CopyScript)
    void copyContent(); // "Copy" of the body code (CopyContent)
    void copyEmbed();   // "Copy" of the embed without inline script (CopyEmbed)

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static void setLook(QWidget* box, bool highlighted);

    QPointer<QWidget> owner_;
    QPushButton* exportButton_;
    QLineEdit* myScript_;
    QPlainTextEdit* code_;
    QString bodyCode_; // five lines joined by CR LF, as copied
    QPlainTextEdit* embed_ = nullptr;
    QString embedCode_;
    void addEmbedFrame(const WispletSettings& settings, const QFont& font);
    ExportOutcome outcome_;
};
