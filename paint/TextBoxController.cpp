#include "paint/TextBoxController.h"

#include "paint/PaintEnv.h"
#include "paint/PerWindow.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

// A frameless line edit draws its text this many pixels right of its left
// edge; the box sits that much left of the print position.
constexpr int TextInset = 2;

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

TextBoxController& TextBoxController::of(PaintEnv& env) { return perWindow<TextBoxController>(env); }

TextBoxController::TextBoxController(PaintEnv& env) : QObject(env.window()), env_(env) {
    QWidget* parent = env.picPaint() ? static_cast<QWidget*>(env.picPaint()) : env.window();
    label_ = new QLabel(parent);
    label_->setObjectName(QStringLiteral("lblTextSize"));
    label_->hide();
}

QLineEdit* TextBoxController::box() {
    QLineEdit* b = env_.txtText();
    if (b && b != hooked_) {
        hooked_ = b;
        b->setFrame(false);
        b->setTextMargins(0, 0, 0, 0);
        b->installEventFilter(this);
        connect(b, &QLineEdit::textChanged, this, [this](const QString& t) {
            entry_.setText(t);
            fit();
        });
    }
    return b;
}

// Font and colours of the box and the label follow the canvas and the
// foreground colour.
void TextBoxController::applyLook() {
    QLineEdit* b = box();
    const Surface& c = env_.canvas();
    const QFont f = c.qfont();
    label_->setFont(f);
    if (!b)
        return;
    b->setFont(f);
    QPalette pal = b->palette();
    pal.setColor(QPalette::Base, Color::toQColor(c.backColor));
    pal.setColor(QPalette::Text, Color::toQColor(env_.state().foreColor));
    b->setPalette(pal);
}

void TextBoxController::fit() {
    QLineEdit* b = box();
    if (!b)
        return;
    label_->setText(b->text());
    label_->adjustSize();
    const QFontMetrics fm(b->font());
    // Room for the text, the insets and the cursor, so the box never scrolls.
    const int w = std::max(label_->sizeHint().width(), fm.horizontalAdvance(b->text())) + 2 * TextInset + 4;
    b->resize(std::max(w, fm.averageCharWidth() + 2 * TextInset), fm.height());
}

void TextBoxController::focusCanvas() {
    if (SurfaceCanvas* c = env_.picPaint())
        c->setFocus();
}

void TextBoxController::press(QPoint p) {
    QLineEdit* b = box();
    if (!b)
        return;
    const bool wasShown = entry_.shown();
    entry_.press(p);
    if (!wasShown) {
        const QSignalBlocker quiet(b);
        b->clear();
    }
    applyLook();
    b->move(p.x() - TextInset, p.y());
    fit();
    b->show();
    b->raise();
    b->setFocus(Qt::MouseFocusReason);
    entry_.settle();
}

void TextBoxController::commit() {
    QLineEdit* b = box();
    if (!entry_.shown())
        return;
    if (b)
        entry_.setText(b->text());
    entry_.commit(env_.canvas(), env_.state().foreColor);
    if (b)
        b->hide();
    env_.refreshCanvas();
    env_.SetImageBuffer();
    focusCanvas();
    env_.UpdateStatusBar(0, 0, 0, 0, false);
}

void TextBoxController::cancel() {
    entry_.cancel();
    if (QLineEdit* b = box())
        b->hide();
    focusCanvas();
    env_.UpdateStatusBar(0, 0, 0, 0, false);
}

void TextBoxController::chooseFont() {
    Surface& c = env_.canvas();
    PaintState& s = env_.state();
    FontChoice current;
    current.name = c.font.name;
    current.size = c.font.size;
    current.bold = c.font.bold;
    current.italic = c.font.italic;
    current.underline = c.font.underline;
    current.strikethrough = c.font.strikethrough;
    // The foreground colour, not the pen: after a palette click the pen
    // holds the exclusive-or preview colour.
    current.color = s.foreColor;
    const std::optional<FontChoice> chosen = dialogs().chooseFont(env_.window(), current);
    if (!chosen)
        return;
    env_.RedrawPendingFigure();
    s.foreColor = chosen->color;
    c.drawMode = Surface::DrawXor;
    c.foreColor = s.foreColor ^ c.backColor;
    env_.RedrawPendingFigure();
    env_.colorsChanged();
    c.font.name = chosen->name;
    c.font.size = chosen->size;
    c.font.bold = chosen->bold;
    c.font.italic = chosen->italic;
    c.font.underline = chosen->underline;
    c.font.strikethrough = chosen->strikethrough;
    applyLook();
    fit();
    env_.refreshCanvas();
}

bool TextBoxController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != hooked_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Enter and Esc act on release; their presses must not reach the
        // window (a dialog would close on Esc).
        const int key = static_cast<QKeyEvent*>(event)->key();
        return isEnter(key) || key == Qt::Key_Escape;
    }
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (isEnter(key))
            commit();
        else if (key == Qt::Key_Escape)
            cancel();
        return isEnter(key) || key == Qt::Key_Escape;
    }
    case QEvent::MouseButtonDblClick:
        commit();
        return true;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (!entry_.shown() || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
        // A window that is closing (hidden, or its widgets being destroyed)
        // prints nothing.
        if (!hooked_->isVisible() || !hooked_->window()->isVisible())
            return false;
        // A press on the canvas with the Text tool takes the focus first and
        // then moves the box: that is no commit.
        const bool movePress = reason == Qt::MouseFocusReason && env_.state().tool == Tool::Text &&
                               QApplication::focusWidget() == static_cast<QWidget*>(env_.picPaint());
        if (!movePress && entry_.focusLost())
            commit();
        return false;
    }
    default:
        return false;
    }
}
