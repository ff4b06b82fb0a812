#include "designer/LoadingWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

LoadingWindow::LoadingWindow(QWidget* owner, std::function<void()> work)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint), work_(std::move(work)) {
    setObjectName(QStringLiteral("loading"));
    setWindowTitle(QStringLiteral("Loading"));
    setModal(true);
    setFixedSize(3450 / 15, 600 / 15);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    label_ = new QLabel(QStringLiteral("loading Preview... Please wait!"), this);
    label_->setObjectName(QStringLiteral("loading"));
    QFont f = label_->font();
    f.setPointSizeF(8);
    f.setBold(true);
    label_->setFont(f);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(label_);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(TimerInterval);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (work_)
            work_();
        finish(); // in case the work did not close the window itself
    });
}

void LoadingWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!finished_ && !timer_->isActive())
        timer_->start();
}

void LoadingWindow::finish() {
    if (finished_)
        return;
    finished_ = true;
    timer_->stop();
    done(QDialog::Accepted);
}

void LoadingWindow::reject() {
    if (finished_)
        QDialog::reject();
}
