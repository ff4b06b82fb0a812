#include "designer/Startup.h"

#include "designer/DocumentController.h"
#include "designer/MainWindow.h"
#include "designer/SplashWindow.h"

Startup::Startup(QObject* parent) : QObject(parent) {}

Startup::~Startup() {
    delete main_.data();
    delete splash_.data();
}

frmSplash* Startup::splash() const { return splash_.data(); }
General* Startup::mainWindow() const { return main_.data(); }

void Startup::start() {
    splash_ = new frmSplash();
    splash_->onTick = [this] { tick(); };
    splash_->show();
}

void Startup::tick() {
    if (!main_) {
        main_ = new General(splash_);
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->document().setOpenAtStart(designToOpen_);
        return;
    }
    if (main_->isVisible())
        main_->raise();
}
