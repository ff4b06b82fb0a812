#pragma once
// The start-up sequence: the splash window opens first; its first timer tick
// loads the main window, which stays hidden until its browser has loaded the
// start page and then closes the splash window and shows itself.
#include <QObject>
#include <QPointer>

class General;
class frmSplash;

class Startup : public QObject {
    Q_OBJECT
public:
    explicit Startup(QObject* parent = nullptr);
    ~Startup() override;

    // Open the splash window. Returns at once.
    void start();

    frmSplash* splash() const;
    General* mainWindow() const;

private:
    void tick();

    QPointer<frmSplash> splash_;
    QPointer<General> main_;
};
