#pragma once
// The start-up sequence: the splash window opens first; its first timer tick
// loads the main window, which stays hidden until its browser has loaded the
// start page and then closes the splash window and shows itself.
#include <QObject>
#include <QPointer>
#include <QString>

class General;
class frmSplash;

class Startup : public QObject {
    Q_OBJECT
public:
    explicit Startup(QObject* parent = nullptr);
    ~Startup() override;

    // Open the splash window. Returns at once.
    void start();
    // A design to open once the main window is up (command line).
    void setDesignToOpen(const QString& path) { designToOpen_ = path; }

    frmSplash* splash() const;
    General* mainWindow() const;

private:
    void tick();

    QPointer<frmSplash> splash_;
    QPointer<General> main_;
    QString designToOpen_;
};
