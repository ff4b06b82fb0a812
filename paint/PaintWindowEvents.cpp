// frmPaint: canvas events, tool choice, option panes, resize handles and the
// canvas's pointer.
#include "imaging/Rounding.h"
#include "paint/PaintLayout.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWindow.h"
#include "platform/AppFolder.h"
#include "platform/Canvas.h"
#include "platform/CursorFile.h"
#include "shapes/ShapeWidgets.h"

#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

ToolEvent toolEvent(const CanvasMouse& m) {
    ToolEvent e;
    e.fx = m.x;
    e.fy = m.y;
    e.x = Rounding::halfEven(m.x);
    e.y = Rounding::halfEven(m.y);
    e.button = m.button;
    e.buttons = m.buttons;
    e.shift = m.shift;
    e.ctrl = m.ctrl;
    return e;
}

} // namespace

PaintTool* frmPaint::currentTool() const {
    return state_.tool >= 0 && state_.tool < Tool::Count ? tools_[size_t(state_.tool)].get() : nullptr;
}

// ---------------------------------------------------------------------------
// Canvas

void frmPaint::canvasPressed(const CanvasMouse& m) {
    guarded(4, [&] {
        const ToolEvent e = toolEvent(m);
        if (m.button == Qt::LeftButton) {
            state_.pressed = true;
            state_.start = QPoint(e.x, e.y);
            if (state_.tool == Tool::SelectArea) {
                canvas_.drawStyle = Surface::Dot;
                canvas_.drawWidth = 1;
            } else {
                canvas_.drawStyle = state_.borderStyle;
                canvas_.drawWidth = state_.lineWidth();
            }
        } else if (m.button != Qt::RightButton) {
            return;
        }
        if (PaintTool* t = currentTool())
            t->press(e);
    });
}

void frmPaint::canvasMoved(const CanvasMouse& m) {
    guarded(0, [&] {
        if (state_.pressed && (m.buttons & Qt::LeftButton))
            if (PaintTool* t = currentTool())
                t->move(toolEvent(m));
    });
    // While the hand pans, the canvas works in twips.
    const double scale = canvas_.scaleMode == Surface::ScaleTwips ? PaintLayout::TwipsPerPixel : 1;
    UpdateStatusBar(0, m.x * scale, m.y * scale, 0, false);
}

void frmPaint::canvasReleased(const CanvasMouse& m) {
    if (m.button != Qt::LeftButton || !state_.pressed)
        return;
    PaintTool* t = currentTool();
    guarded(0, [&] {
        const ToolEvent e = toolEvent(m);
        state_.end = QPoint(e.x, e.y);
        if (t)
            t->release(e);
    });
    state_.pressed = false;
    if (t && t->recordsOnRelease())
        SetImageBuffer();
    UpdateStatusBar(0, 0, 0, 0, false);
}

void frmPaint::canvasDoubleClicked(const CanvasMouse& m) {
    guarded(0, [&] {
        if (PaintTool* t = currentTool())
            t->doubleClick(toolEvent(m));
        FinishFigure();
    });
}

void frmPaint::canvasKeyReleased(const CanvasKey& k) {
    guarded(0, [&] {
        if (PaintTool* t = currentTool())
            t->keyRelease(k.key);
        if (k.key == Qt::Key_Return || k.key == Qt::Key_Enter)
            FinishFigure();
    });
}

void frmPaint::FinishFigure() {
    if (PaintTool* t = currentTool())
        t->finish();
}

void frmPaint::RedrawPendingFigure() {
    if (PaintTool* t = currentTool())
        t->redrawPending();
}

void frmPaint::refreshCanvas(const QRect& area) {
    if (!picPaint_)
        return;
    if (picPaint_->size() != QSize(canvas_.width(), canvas_.height()))
        picPaint_->syncToSurface(); // the picture changed size (an effect): repaints all
    else if (area.isNull())
        picPaint_->update();
    else
        picPaint_->update(area);
}

// ---------------------------------------------------------------------------
// Tool choice

bool frmPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < Tool::Count; ++i)
            if (watched == optTools_[size_t(i)] && optTools_[size_t(i)]->isEnabled()) {
                if (me->button() == Qt::LeftButton)
                    toolButtonPressed(i);
                return true; // the choice is made on the press
            }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPaint::chooseTool(int index) {
    if (index < 0 || index >= Tool::Count || !tools_[size_t(index)])
        return;
    toolButtonPressed(index);
}

void frmPaint::toolButtonPressed(int index) {
    guarded(0, [&] {
        FinishFigure();
        const bool changes = index != state_.tool;
        optTools_[size_t(index)]->setChecked(true);
        if (changes)
            toolChanged(index);
    });
}

void frmPaint::toolChanged(int index) {
    if (PaintTool* old = currentTool())
        old->deactivated();
    state_.tool = index;
    PaintTool* t = currentTool();
    showPanes();
    if (t)
        t->activated();
    if (index == Tool::FilterBrush)
        if (QMenu* popup = menus_->menu(QStringLiteral("mnuTFilter")))
            popup->popup(QCursor::pos());
    if (index != Tool::SelectArea && hooks_.dropSelection)
        hooks_.dropSelection();
    if (index != Tool::PickColor && index != Tool::Hand)
        ZoomImage(0, 0, true);
    UpdateStatusBar(0, 0, 0, 0, false);
    SetToolCursor();
}

void frmPaint::SetToolCursor() {
    const PaintTool* t = currentTool();
    setToolCursor(t ? t->cursorFile() : defaultCursorFile(state_.tool));
}

void frmPaint::setToolCursor(const QString& file) {
    if (file.isEmpty()) {
        picPaint_->setCursor(Qt::ArrowCursor);
        return;
    }
    // A cursor that cannot be read keeps the previous pointer.
    if (const auto c = readCursorFile(AppFolder::file(QString::fromLatin1(AppFolder::Cursors) + "/" + file)))
        picPaint_->setCursor(makeCursor(*c, picPaint_->devicePixelRatioF()));
}

// ---------------------------------------------------------------------------
// Option panes

void frmPaint::dotPanePress(QPoint twips) {
    const std::optional<int> d = PaintLayout::dotAt(twips.x(), twips.y());
    if (!d)
        return;
    RedrawPendingFigure();
    state_.dotSize = *d;
    canvas_.drawWidth = state_.lineWidth();
    RedrawPendingFigure();
    updatePaneMarks();
}

void frmPaint::fillPanePress(QPoint twips) {
    if (const std::optional<int> m = PaintLayout::fillModeAt(twips.x(), twips.y())) {
        state_.fillMode = *m;
        updatePaneMarks();
    }
}

void frmPaint::brushPress(int shape) {
    state_.brushShape = shape;
    updatePaneMarks();
}

// ---------------------------------------------------------------------------
// Resize handles

void frmPaint::handlePressed(int, QPoint pos) {
    handleGrab_ = pos;
    state_.drag = true;
    state_.resized = false;
}

void frmPaint::handleMoved(int index, QPoint pos) {
    if (!state_.drag)
        return;
    guarded(0, [&] {
        const QSize now(canvas_.width(), canvas_.height());
        const QSize next = PaintLayout::handleStep(index, now, pos.x() - handleGrab_.x(), pos.y() - handleGrab_.y());
        if (next == now)
            return;
        setCanvasSize(next); // an allocation failure throws and leaves the canvas
        state_.resized = true;
        AdjustPaintResizeBox();
        Form_Resize();
    });
}

void frmPaint::handleReleased(int) {
    if (!state_.drag)
        return;
    state_.drag = false;
    if (state_.resized)
        SetImageBuffer();
    state_.resized = false;
}
