#include "designer/PreviewTimeline.h"

#include "designer/PreviewController.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyleOptionSlider>
#include <cmath>

namespace {
int ms(double seconds) { return int(std::lround(seconds * 1000)); }
} // namespace

PhaseScrubber::PhaseScrubber(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("PreviewScrubber"));
    setSingleStep(100);
    setPageStep(1000);
    setToolTip(QStringLiteral("Entrance, waiting, reveal"));
}

void PhaseScrubber::setPhases(double entrance, double waiting, double reveal) {
    entrance_ = entrance;
    waiting_ = waiting;
    reveal_ = reveal;
    update();
}

void PhaseScrubber::paintEvent(QPaintEvent* event) {
    // The phases as coloured bands along the bottom edge, under the handle.
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const double total = entrance_ + waiting_ + reveal_;
    if (total > 0) {
        QPainter p(this);
        const int x0 = groove.left() + handle.width() / 2, span = groove.width() - handle.width();
        const int y = height() - 4;
        const QColor colours[] = {QColor(70, 130, 200), QColor(170, 170, 170), QColor(220, 140, 40)};
        double from = 0;
        const double lengths[] = {entrance_, waiting_, reveal_};
        for (int i = 0; i < 3; ++i) {
            const int a = x0 + int(span * from / total), b = x0 + int(span * (from + lengths[i]) / total);
            p.fillRect(QRect(a, y, std::max(b - a, lengths[i] > 0 ? 1 : 0), 3), colours[i]);
            from += lengths[i];
        }
    }
    QSlider::paintEvent(event);
}

PreviewTimeline::PreviewTimeline(PreviewController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName(QStringLiteral("PreviewTimeline"));
    play_ = new QPushButton(QStringLiteral("Play"), this);
    play_->setObjectName(QStringLiteral("PreviewPlay"));
    play_->setToolTip(QStringLiteral("Play or pause (Space)"));
    scrubber_ = new PhaseScrubber(this);
    end_ = new QPushButton(QStringLiteral("Show end"), this);
    end_->setObjectName(QStringLiteral("PreviewShowEnd"));
    end_->setToolTip(QStringLiteral("The final look (End)"));
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("PreviewTime"));
    time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QWidget* w : {static_cast<QWidget*>(play_), static_cast<QWidget*>(scrubber_), static_cast<QWidget*>(end_)})
        w->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(scrubber_);

    connect(play_, &QPushButton::clicked, &controller_, &PreviewController::togglePlay);
    connect(end_, &QPushButton::clicked, &controller_, &PreviewController::showEnd);
    // Dragging or clicking on the groove shows that moment; the controller moves the handle when it plays.
    connect(scrubber_, &QSlider::actionTriggered, this, [this] {
        controller_.seek(scrubber_->sliderPosition() / 1000.0);
    });
    connect(&controller_, &PreviewController::timesChanged, this, &PreviewTimeline::follow);
    follow();
}

void PreviewTimeline::follow() {
    const PreviewTimes& t = controller_.times();
    play_->setText(t.playing ? QStringLiteral("Pause") : QStringLiteral("Play"));
    scrubber_->setPhases(t.entrance, t.waiting, t.reveal);
    {
        const QSignalBlocker block(scrubber_);
        scrubber_->setRange(0, ms(t.end));
        if (!scrubber_->isSliderDown())
            scrubber_->setValue(ms(t.time));
    }
    time_->setText(QStringLiteral("%1 s").arg(t.time, 0, 'f', 1));
    time_->setToolTip(QStringLiteral("of %1 s").arg(t.end, 0, 'f', 1));
}

bool PreviewTimeline::key(int key) {
    switch (key) {
    case Qt::Key_Space: controller_.togglePlay(); return true;
    case Qt::Key_Home: controller_.seek(0); return true;
    case Qt::Key_End: controller_.showEnd(); return true;
    case Qt::Key_Left:
    case Qt::Key_Down: controller_.step(-0.1); return true;
    case Qt::Key_Right:
    case Qt::Key_Up: controller_.step(0.1); return true;
    default: return false;
    }
}

bool PreviewTimeline::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->modifiers() == Qt::NoModifier && key(k->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewTimeline::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier || !key(event->key()))
        QWidget::keyPressEvent(event);
}

void PreviewTimeline::resizeEvent(QResizeEvent*) {
    const int h = height(), w = width();
    play_->setGeometry(0, 1, 52, h - 2);
    end_->setGeometry(w - 64, 1, 64, h - 2);
    time_->setGeometry(w - 64 - 46, 0, 42, h);
    scrubber_->setGeometry(56, 0, std::max(10, w - 56 - 64 - 50), h);
}
