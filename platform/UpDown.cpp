#include "platform/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>

NumericKeyFilter* NumericKeyFilter::attach(QLineEdit* box, int maxLength, UpDown* spinner) {
    auto* filter = new NumericKeyFilter(box);
    filter->spinner_ = spinner;
    box->installEventFilter(filter);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return filter;
}

bool NumericKeyFilter::passes(const QString& typed) {
    if (typed.isEmpty())
        return true; // no character: navigation and editing keys
    const char16_t c = typed.at(0).unicode();
    if (c == 8 || (c >= '0' && c <= '9'))
        return true;
    return c < 32; // control characters (Ctrl shortcuts) stay with the box
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (spinner_ && key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        spinner_->step(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return !passes(key->text());
}

UpDown::UpDown(QLineEdit* buddy, int min, int max, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)), min_(min), max_(max) {
    bool ok = false;
    const int start = buddy->text().toInt(&ok);
    value_ = ok ? std::clamp(start, min_, max_) : min_;
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 7));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    setFocusPolicy(Qt::NoFocus);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::step(int delta) {
    bool ok = false;
    int current = buddy_->text().toInt(&ok);
    if (!ok)
        current = value_;
    current = std::clamp(current, min_, max_);
    const int next = std::clamp(current + delta, min_, max_);
    const QString text = QString::number(next);
    if (next == value_ && buddy_->text() == text)
        return;
    value_ = next;
    buddy_->setText(text); // the box's own change handlers run here
    emit changed(value_);
}
