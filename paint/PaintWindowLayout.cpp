// frmPaint: building the widgets, Form_Resize, the resize handles and the
// scroll bars.
#include "imaging/Rounding.h"
#include "paint/PaintLayout.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWidgets.h"
#include "paint/PaintWindow.h"
#include "paint/ToolIcons.h"
#include "platform/Canvas.h"
#include "shapes/ShapeWidgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PaintLayout;
using PaintWidgets::ColorCell;
using PaintWidgets::Pane;

namespace {

int px(int twips) { return Rounding::halfEven(twips / double(TwipsPerPixel)); }
int tw(int pixels) { return pixels * TwipsPerPixel; }
QRect pxRect(const QRect& t) { return QRect(px(t.left()), px(t.top()), px(t.width()), px(t.height())); }

constexpr int PanesTop = 3570;  // twips inside fraTools, below the nine rows of buttons
constexpr int PaneLeft = 100;
constexpr int PaneWidth = 650;
constexpr int DotPaneHeight = 1225;
constexpr int FillPaneHeight = 1150;
constexpr int BrushPaneHeight = 1350;
constexpr int PaneGap = 60;

QLabel* highlight(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    l->setPalette(pal);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

void frmPaint::buildWidgets() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("mnuBar"));
    outer->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    QPalette back = client_->palette();
    back.setColor(QPalette::Window, QColor(128, 128, 128)); // the area around the canvas
    client_->setPalette(back);
    outer->addWidget(client_, 1);
    client_->installEventFilter(this);
    menus_ = std::make_unique<PaintMenus>(menuBar_, this);

    canvasEdge_ = new QFrame(client_);
    canvasEdge_->setObjectName(QStringLiteral("picPaintBorder"));
    canvasEdge_->setAutoFillBackground(true);
    QPalette edge = canvasEdge_->palette();
    edge.setColor(QPalette::Window, QColor(64, 64, 64));
    canvasEdge_->setPalette(edge);
    picPaint_ = new SurfaceCanvas(&canvas_, client_);
    picPaint_->setObjectName(QStringLiteral("picPaint"));
    connect(picPaint_, &SurfaceCanvas::mousePressed, this, &frmPaint::canvasPressed);
    connect(picPaint_, &SurfaceCanvas::mouseMoved, this, &frmPaint::canvasMoved);
    connect(picPaint_, &SurfaceCanvas::mouseReleased, this, &frmPaint::canvasReleased);
    connect(picPaint_, &SurfaceCanvas::doubleClicked, this, &frmPaint::canvasDoubleClicked);
    connect(picPaint_, &SurfaceCanvas::keyReleased, this, &frmPaint::canvasKeyReleased);
    const Qt::CursorShape cursors[] = {Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor};
    for (int i = 0; i < 3; ++i) {
        auto* h = new ResizeHandle(i, cursors[i], client_);
        h->setObjectName(QStringLiteral("picPaintResize%1").arg(i));
        connect(h, &ResizeHandle::pressed, this, &frmPaint::handlePressed);
        connect(h, &ResizeHandle::moved, this, &frmPaint::handleMoved);
        connect(h, &ResizeHandle::released, this, &frmPaint::handleReleased);
        picPaintResize_[size_t(i)] = h;
    }
    buildOverlays();

    hscPaint_ = new QScrollBar(Qt::Horizontal, client_);
    hscPaint_->setObjectName(QStringLiteral("hscPaint"));
    vscPaint_ = new QScrollBar(Qt::Vertical, client_);
    vscPaint_->setObjectName(QStringLiteral("vscPaint"));
    for (QScrollBar* bar : {hscPaint_, vscPaint_}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] { placeCanvas(); });
    }
    fraScroll_ = new QFrame(client_);
    fraScroll_->setObjectName(QStringLiteral("fraScroll"));
    fraScroll_->setAutoFillBackground(true);
    fraScroll_->resize(px(ScrollBarSize), px(ScrollBarSize));
    fraScroll_->hide();

    buildToolColumn();
    buildColorBar();

    sta_ = new QFrame(client_);
    sta_->setObjectName(QStringLiteral("sta"));
    sta_->setAutoFillBackground(true);
    sta_->setPalette(palette());
    auto* row = new QHBoxLayout(sta_);
    row->setContentsMargins(2, 1, 14, 1);
    row->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(sta_);
        panel->setObjectName(QStringLiteral("staPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setIndent(3);
        if (i > 0)
            panel->setFixedWidth(96);
        row->addWidget(panel, i == 0 ? 1 : 0);
        panels_[size_t(i)] = panel;
    }
}

void frmPaint::buildToolColumn() {
    fraTools_ = new QFrame(client_);
    fraTools_->setObjectName(QStringLiteral("fraTools"));
    fraTools_->setAutoFillBackground(true);
    fraTools_->setPalette(palette());
    for (int t = 0; t < Tool::Count; ++t) {
        auto* b = new QToolButton(fraTools_);
        b->setObjectName(QStringLiteral("optTools%1").arg(t));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setToolTip(QString::fromLatin1(toolName(t)));
        b->setAccessibleName(QString::fromLatin1(toolName(t)));
        b->setIcon(toolIcon(t));
        b->setIconSize(QSize(18, 18));
        b->setGeometry(pxRect(toolButtonPlace(t)));
        b->setFocusPolicy(Qt::NoFocus);
        // The choice happens on the press, as the tool column's buttons do.
        b->installEventFilter(this);
        optTools_[size_t(t)] = b;
    }

    fraOptDot_ = new Pane(fraTools_);
    fraOptDot_->setObjectName(QStringLiteral("fraOptDot"));
    fraOptDot_->resize(px(PaneWidth), px(DotPaneHeight));
    dotMark_ = highlight(fraOptDot_);
    dotMark_->resize(px(250), px(250));
    for (int d = 0; d < 8; ++d) {
        auto* dot = new PaintWidgets::DotSample(dotDiameter(d), fraOptDot_);
        dot->setObjectName(QStringLiteral("shpDot%1").arg(d));
        const QPoint c = dotCentre(d);
        dot->move(px(c.x()) - dot->width() / 2, px(c.y()) - dot->height() / 2);
        shpDot_[size_t(d)] = dot;
    }
    connect(fraOptDot_, &Pane::pressedAt, this, [this](QPoint p) { guarded(0, [&] { dotPanePress(p); }); });

    fraBrush_ = new Pane(fraTools_);
    fraBrush_->setObjectName(QStringLiteral("fraBrush"));
    fraBrush_->resize(px(PaneWidth), px(BrushPaneHeight));
    brushMark_ = highlight(fraBrush_);
    brushMark_->resize(17, 17);
    for (int s = 0; s < 10; ++s) {
        auto* spot = new PaintWidgets::BrushSpot(s, fraBrush_);
        spot->setObjectName(QStringLiteral("imgBrush%1").arg(s));
        spot->move(brushSpot(s));
        connect(spot, &PaintWidgets::BrushSpot::pressed, this, [this](int shape) { guarded(0, [&] { brushPress(shape); }); });
        imgBrush_[size_t(s)] = spot;
    }

    fraOptFill_ = new Pane(fraTools_);
    fraOptFill_->setObjectName(QStringLiteral("fraOptFill"));
    fraOptFill_->resize(px(PaneWidth), px(FillPaneHeight));
    fillMark_ = highlight(fraOptFill_);
    fillMark_->resize(px(500), px(270));
    for (int m = 0; m < 3; ++m) {
        auto* r = new PaintWidgets::FillSample(m, fraOptFill_);
        r->setObjectName(QStringLiteral("shpRect%1").arg(m));
        r->move(px(75) + (px(500) - r->width()) / 2, px(fillHighlightTop(m)) + (px(270) - r->height()) / 2);
        shpRect_[size_t(m)] = r;
    }
    connect(fraOptFill_, &Pane::pressedAt, this, [this](QPoint p) { guarded(0, [&] { fillPanePress(p); }); });
}

void frmPaint::buildColorBar() {
    fraColor_ = new QFrame(client_);
    fraColor_->setObjectName(QStringLiteral("fraColor"));
    fraColor_->setAutoFillBackground(true);
    fraColor_->setPalette(palette());
    auto* square = new QLabel(fraColor_);
    square->setObjectName(QStringLiteral("lblColorBack"));
    square->setGeometry(6, 9, 38, 38);
    square->setAutoFillBackground(true);
    QPalette grey = square->palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    square->setPalette(grey);
    square->setFrameShape(QFrame::Panel);
    square->setFrameShadow(QFrame::Sunken);

    lblFillColor_ = new ColorCell(state_.fillColor, fraColor_);
    lblFillColor_->setObjectName(QStringLiteral("lblFillColor"));
    lblFillColor_->setFixedSize(20, 20);
    lblFillColor_->move(20, 23);
    lblForeColor_ = new ColorCell(state_.foreColor, fraColor_);
    lblForeColor_->setObjectName(QStringLiteral("lblForeColor"));
    lblForeColor_->setFixedSize(20, 20);
    lblForeColor_->move(10, 13);
    connect(lblForeColor_, &ColorCell::doubleClicked, this, [this] { guarded(0, [&] { chooseForeColor(); }); });
    connect(lblFillColor_, &ColorCell::doubleClicked, this, [this] { guarded(0, [&] { chooseFillColor(); }); });
    connect(lblForeColor_, &ColorCell::hovered, this, [this] { UpdateStatusBar(2, 0, 0, 0, false); });
    connect(lblFillColor_, &ColorCell::hovered, this, [this] { UpdateStatusBar(3, 0, 0, 0, false); });

    for (int i = 0; i < PaletteCells; ++i) {
        auto* cell = new ColorCell(paletteColor(i), fraColor_);
        cell->setObjectName(QStringLiteral("lblColor%1").arg(i));
        cell->move(paletteCellPlace(i));
        connect(cell, &ColorCell::pressed, this, [this, i](Qt::MouseButton b) { guarded(0, [&] { paletteClick(i, b); }); });
        connect(cell, &ColorCell::hovered, this, [this] { UpdateStatusBar(1, 0, 0, 0, false); });
        lblColor_[size_t(i)] = cell;
    }
}

void frmPaint::buildOverlays() {
    for (int i = 0; i < 4; ++i) {
        auto* h = new QFrame(picPaint_);
        h->setObjectName(QStringLiteral("imgBezier%1").arg(i));
        h->setFrameShape(QFrame::Box);
        h->setLineWidth(1);
        h->resize(4, 4);
        h->hide();
        imgBezier_[size_t(i)] = h;
    }
    picSelect_ = new SurfaceCanvas(&select_, picPaint_);
    picSelect_->setObjectName(QStringLiteral("picSelect"));
    picSelect_->hide();
    txtText_ = new QLineEdit(picPaint_);
    txtText_->setObjectName(QStringLiteral("txtText"));
    txtText_->setFrame(false);
    txtText_->hide();
}

QWidget* frmPaint::imgBezier(int index) {
    return index >= 0 && index < 4 ? imgBezier_[size_t(index)] : nullptr;
}

// ---------------------------------------------------------------------------
// Form_Resize and friends

PaintMetrics frmPaint::metrics() const {
    PaintMetrics m;
    m.clientWidth = tw(client_->width());
    m.clientHeight = tw(client_->height());
    m.windowWidth = m.clientWidth + FrameWidth;
    m.windowHeight = m.clientHeight + FrameHeight;
    m.toolColumnWidth = ToolColumnWidth;
    m.colorBarHeight = ColorBarHeight;
    m.statusBarHeight = StatusBarHeight;
    m.vBarWidth = vscPaint_->isVisibleTo(client_) ? ScrollBarSize : 0;
    m.hBarHeight = hscPaint_->isVisibleTo(client_) ? ScrollBarSize : 0;
    return m;
}

void frmPaint::Form_Resize() {
    updatePictureStatus();
    const PaintMetrics m = metrics();
    FormInput in;
    in.windowWidth = m.windowWidth;
    in.windowHeight = m.windowHeight;
    in.clientHeight = m.clientHeight;
    in.canvasWidth = tw(canvas_.width());
    in.canvasHeight = tw(canvas_.height());
    in.hBarShown = m.hBarHeight > 0;
    in.minimized = isMinimized();
    const FormResult r = formResize(in);
    if (!r.laidOut)
        return;
    if (r.windowHeight > in.windowHeight)
        return; // not shown yet: the window's minimum height keeps it from this once shown
    const int clientW = client_->width();
    fraTools_->setGeometry(0, 0, px(ToolColumnWidth), px(r.toolColumnHeight));
    fraColor_->setGeometry(0, px(r.colorBarTop), px(r.colorBarWidth) + 6, px(ColorBarHeight));
    sta_->setGeometry(0, client_->height() - px(StatusBarHeight), clientW, px(StatusBarHeight));

    vscPaint_->setVisible(r.vShown);
    if (r.vShown) {
        vscPaint_->setGeometry(px(r.vLeft), 0, px(ScrollBarSize), std::max(0, px(r.vHeight)));
        vscPaint_->setMaximum(r.vMax);
        vscPaint_->setPageStep(std::max(1, (m.windowHeight - (r.hShown ? ScrollBarSize : 0) - 1850) / 10));
    } else {
        vscPaint_->setValue(0);
        vscPaint_->setMaximum(0);
    }
    hscPaint_->setVisible(r.hShown);
    if (r.hShown) {
        hscPaint_->setGeometry(px(ToolColumnWidth), px(r.hTop), std::max(0, px(r.hWidth)), px(ScrollBarSize));
        hscPaint_->setMaximum(r.hMax);
        hscPaint_->setPageStep(std::max(1, (m.windowWidth - (r.vShown ? ScrollBarSize : 0) - 1050) / 10));
    } else {
        hscPaint_->setValue(0);
        hscPaint_->setMaximum(0);
    }
    fraScroll_->setVisible(r.fillerShown);
    if (r.fillerShown)
        fraScroll_->move(px(r.fillerPlace.x()), px(r.fillerPlace.y()));
    // The frames sit over the canvas, the status bar over the colour bar.
    fraTools_->raise();
    fraColor_->raise();
    hscPaint_->raise();
    vscPaint_->raise();
    fraScroll_->raise();
    sta_->raise();
    placeCanvas();
}

QPoint frmPaint::canvasPlace() const { return PaintLayout::canvasPlace(hscPaint_->value(), vscPaint_->value()); }

void frmPaint::placeCanvas() {
    const QPoint p = canvasPlace();
    if (picPaint_->size() != QSize(canvas_.width(), canvas_.height()))
        picPaint_->syncToSurface();
    picPaint_->move(px(p.x()), px(p.y()));
    // The single-line border: a dark edge one pixel beyond the picture.
    canvasEdge_->setGeometry(picPaint_->geometry().adjusted(-1, -1, 1, 1));
    AdjustPaintResizeBox();
}

void frmPaint::AdjustPaintResizeBox() {
    const QRect canvas(picPaint_->pos(), QSize(canvas_.width(), canvas_.height()));
    const auto places = handlePlaces(canvas);
    for (int i = 0; i < 3; ++i)
        picPaintResize_[size_t(i)]->move(places[size_t(i)]);
}

ScrollState frmPaint::hScroll() const {
    return {hscPaint_->value(), hscPaint_->minimum(), hscPaint_->maximum(), hscPaint_->isVisibleTo(client_)};
}
ScrollState frmPaint::vScroll() const {
    return {vscPaint_->value(), vscPaint_->minimum(), vscPaint_->maximum(), vscPaint_->isVisibleTo(client_)};
}
void frmPaint::setHScrollValue(int value) { hscPaint_->setValue(value); }
void frmPaint::setVScrollValue(int value) { vscPaint_->setValue(value); }

void frmPaint::setCanvasSize(QSize pixels) {
    canvas_.resize(pixels.width(), pixels.height());
    picPaint_->syncToSurface();
}

void frmPaint::showPanes() {
    const PaintTool* t = currentTool();
    const unsigned panes = t ? t->panes() : defaultPanes(state_.tool);
    int top = PanesTop;
    auto place = [&](Pane* pane, bool shown, int height) {
        pane->setVisible(shown);
        if (shown) {
            pane->move(px(PaneLeft), px(top));
            top += height + PaneGap;
        }
    };
    place(fraOptDot_, panes & PaneDot, DotPaneHeight);
    place(fraBrush_, panes & PaneBrush, BrushPaneHeight);
    place(fraOptFill_, panes & PaneFill, FillPaneHeight);
}

void frmPaint::updatePaneMarks() {
    const QPoint d = dotHighlight(state_.dotSize);
    dotMark_->move(px(d.x()), px(d.y()));
    for (int i = 0; i < 8; ++i)
        static_cast<PaintWidgets::DotSample*>(shpDot_[size_t(i)])->setChosen(i == state_.dotSize);
    brushMark_->move(brushSpot(state_.brushShape) - QPoint(4, 4));
    fillMark_->move(px(75), px(fillHighlightTop(state_.fillMode)));
    for (int i = 0; i < 3; ++i)
        static_cast<PaintWidgets::FillSample*>(shpRect_[size_t(i)])->setChosen(i == state_.fillMode);
}

void frmPaint::updateColorSwatches() {
    lblForeColor_->setColor(state_.foreColor);
    lblFillColor_->setColor(state_.fillColor);
}

void frmPaint::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && picPaint_)
        picPaint_->setFocus();
}
