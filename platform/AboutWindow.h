#pragma once
// The About window `frmAbout`: the supplied picture images/about.png with the
// about text, "OK" (cmdOK: Enter and Esc press it) and "&System Info..."
// (cmdSysInfo). Shown modally while its owner (the main window or the paint
// window) is disabled; however it closes, it enables the owner again and
// deletes itself.
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QStringList>

class QPushButton;

// Names of desktop system information tools looked up on the PATH, in order.
const QStringList& SysInfoTools();

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // owner: the window that opened it (disabled by the caller); not the Qt parent.
    explicit frmAbout(QWidget* owner);
    ~frmAbout() override;

    // Start the first installed system information tool; when none is found
    // or it cannot be started, show "System Information Is Unavailable At
    // This Time". Returns true when a tool was started.
    bool StartSysInfo();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> owner_;
    QImage picture_;
};
