#include "paint/SelectionController.h"

#include "paint/PaintEnv.h"
#include "paint/PerWindow.h"
#include "platform/Canvas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <cmath>

namespace {

// A dotted frame just inside picSelect's edge, for a selection whose marquee
// lies (partly) off the canvas, such as Select All or a large paste. It only
// shows on the screen; the picture holds no trace of it.
class SelectionEdge : public QWidget {
public:
    explicit SelectionEdge(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setObjectName(QStringLiteral("picSelectEdge"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QPoint rounded(double x, double y) { return QPoint(int(std::nearbyint(x)), int(std::nearbyint(y))); }

} // namespace

SelectionController& SelectionController::of(PaintEnv& env) { return perWindow<SelectionController>(env); }

SelectionController::SelectionController(PaintEnv& env) : QObject(env.window()), env_(env), sel_(*this) {
    installHooks();
    if (QGuiApplication::instance())
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &SelectionController::updatePaste);
}

void SelectionController::installHooks() {
    PaintHooks& h = env_.hooks();
    h.selectionShown = [this] { return sel_.shown(); };
    h.dropSelection = [this] { sel_.DropSelection(); };
    h.hideSelection = [this] { sel_.discard(); };
    h.drawSelectionRect = [this] { sel_.DrawSelectionRect(); };
    // Save writes what the user sees: the floating selection included, no marquee.
    h.pictureToSave = [this] { return sel_.composite(); };
}

// picSelect reports its own mouse events in its own pixels; the canvas keeps
// the keyboard focus (Enter drops, Del deletes).
void SelectionController::connectWidget() {
    if (widgetConnected_)
        return;
    SurfaceCanvas* w = env_.picSelect();
    if (!w)
        return;
    widgetConnected_ = true;
    edge_ = new SelectionEdge(w);
    edge_->hide();
    w->setFocusPolicy(Qt::NoFocus);
    w->setCursor(Qt::SizeAllCursor);
    connect(w, &SurfaceCanvas::mousePressed, this, &SelectionController::widgetPressed);
    connect(w, &SurfaceCanvas::mouseMoved, this, &SelectionController::widgetMoved);
    connect(w, &SurfaceCanvas::mouseReleased, this, &SelectionController::widgetReleased);
}

void SelectionController::focusCanvas() {
    if (SurfaceCanvas* c = env_.picPaint())
        c->setFocus();
}

// ---------------------------------------------------------------------------
// The selecting drag

void SelectionController::press(QPoint p) {
    connectWidget();
    sel_.beginSelect(p);
    env_.state().end = p;
}

void SelectionController::move(QPoint p, bool shift, bool ctrl) {
    sel_.dragSelect(p, shift, ctrl);
    env_.state().end = sel_.dragEnd();
}

void SelectionController::release(QPoint p, bool shift, bool ctrl) {
    sel_.endSelect(p, shift, ctrl);
    env_.state().end = sel_.dragEnd();
}

// ---------------------------------------------------------------------------
// Moving by the selection's own events

void SelectionController::widgetPressed(const CanvasMouse& e) {
    if (e.button != Qt::LeftButton || !sel_.shown())
        return;
    sel_.beginMove(sel_.pos() + rounded(e.x, e.y), e.ctrl);
    env_.state().selectionDrag = true;
    env_.UpdateStatusBar(0, 0, 0, 0, false);
}

void SelectionController::widgetMoved(const CanvasMouse& e) {
    const QPoint p = sel_.pos() + rounded(e.x, e.y);
    if (sel_.moving() && e.buttons.testFlag(Qt::LeftButton))
        sel_.dragMove(p);
    env_.UpdateStatusBar(0, p.x(), p.y(), 0, false);
}

void SelectionController::widgetReleased(const CanvasMouse& e) {
    if (e.button != Qt::LeftButton || !sel_.moving())
        return;
    sel_.endMove(sel_.pos() + rounded(e.x, e.y));
    env_.state().selectionDrag = false;
}

// ---------------------------------------------------------------------------
// Edit menu

void SelectionController::copy() {
    if (!sel_.shown())
        return;
    clip_.copy(sel_.surface().image());
    updatePaste();
}

void SelectionController::cut() {
    if (!sel_.shown())
        return;
    const QImage picture = sel_.surface().image();
    deleteSelection();
    clip_.copy(picture);
    updatePaste();
}

void SelectionController::deleteSelection() {
    sel_.deleteSelection();
    focusCanvas();
}

void SelectionController::crop() { sel_.crop(); }

void SelectionController::paste() {
    const QImage picture = clip_.picture();
    if (picture.isNull())
        return;
    connectWidget();
    env_.ZoomImage(0, 0, true); // the paste belongs in the real picture, not a scaled view
    env_.FinishFigure();
    sel_.DropSelection();
    if (env_.state().tool != Tool::SelectArea)
        env_.chooseTool(Tool::SelectArea);
    sel_.paste(picture);
    focusCanvas();
}

void SelectionController::selectAll() {
    connectWidget();
    env_.ZoomImage(0, 0, true);
    env_.FinishFigure();
    if (env_.state().tool != Tool::SelectArea)
        env_.chooseTool(Tool::SelectArea);
    sel_.selectAll();
    focusCanvas();
}

void SelectionController::updatePaste() { env_.setActionEnabled("mnuPaste", clip_.canPaste()); }

// ---------------------------------------------------------------------------
// SelectionHost

Surface& SelectionController::canvas() { return env_.canvas(); }
Surface& SelectionController::selectionSurface() { return env_.selectSurface(); }
void SelectionController::SetImageBuffer() { env_.SetImageBuffer(); }

void SelectionController::selectionChanged() {
    const bool shown = sel_.shown();
    if (SurfaceCanvas* w = env_.picSelect()) {
        if (shown) {
            w->syncToSurface();
            w->move(sel_.pos());
            w->show();
            w->raise();
            if (edge_) {
                edge_->setGeometry(w->rect());
                edge_->setVisible(!canvas().image().rect().contains(sel_.rect().adjusted(-1, -1, 1, 1)));
            }
        } else {
            w->hide();
        }
    }
    for (const char* name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
        env_.setActionEnabled(name, shown);
    env_.state().freshSelection = sel_.fresh();
    env_.refreshCanvas();
}

void SelectionController::canvasResized() {
    env_.Form_Resize();
    env_.AdjustPaintResizeBox();
    env_.refreshCanvas();
}
