#include "shapes/DrawBorder.h"

#include "platform/AppContext.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "shapes/CanvasResize.h"
#include "shapes/ShapeCatalogue.h"
#include "shapes/ShapeRenderer.h"
#include "shapes/ShapeSave.h"
#include "shapes/ShapeWidgets.h"
#include "shapes/ShapesHost.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace {

constexpr QPoint CanvasPlace(8, 48); // 120, 720 twips
constexpr QSize ClientSize(585, 484); // 8775 x 7260 twips
constexpr int WindowColor = 5;       // system colour number of window backgrounds

QPixmap colorIcon(ColorValue c, bool outline) {
    QPixmap pm(17, 17);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor col = QColor::fromRgba(ColorToArgb(c));
    if (outline) {
        p.setPen(QPen(col, 3));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 12, 12));
    } else {
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(col);
        p.drawRect(QRectF(1.5, 1.5, 14, 14));
    }
    return pm;
}

QPixmap saveIcon() {
    QPixmap pm(17, 17);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(20, 40, 90));
    p.setBrush(QColor(60, 100, 170));
    p.drawRect(1, 1, 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);
    p.drawRect(3, 9, 10, 6);
    return pm;
}

QLabel* label(const QString& text, const char* name, QRect place, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(place);
    return l;
}

} // namespace

DrawBorder::DrawBorder(ShapesHost& host, QWidget* parent)
    : QDialog(parent), host_(host), surface_(1, 1, SystemColor(WindowColor)) {
    setObjectName(QStringLiteral("DrawBorder"));
    setWindowTitle(QStringLiteral("Predefined Shapes"));
    setModal(true);
    setSizeGripEnabled(true);
    surface_.scaleMode = Surface::ScalePixels;
    buildControls();

    // 1-2: canvas from the box's size, handles beside it.
    const QSize canvas(CanvasResize::sideFromText(host_.widthText()), CanvasResize::sideFromText(host_.heightText()));
    surface_.resize(canvas.width(), canvas.height());
    picPaint_->syncToSurface();
    AdjustPaintResizeBox();
    // The window opens big enough for the canvas and its margins, within the screen.
    QSize want = ClientSize.expandedTo(QSize(CanvasPlace.x() + canvas.width() + CanvasResize::RightMargin,
                                             CanvasPlace.y() + canvas.height() + CanvasResize::BottomMargin));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        want = want.boundedTo(screen->availableSize().expandedTo(ClientSize));
    resize(want);

    // 3-5: list, shape values, first entry drawn.
    cmbShapes_->blockSignals(true);
    cmbShapes_->addItems(ShapeCatalogue::names());
    cmbShapes_->setCurrentIndex(0);
    cmbShapes_->blockSignals(false);
    AppContext& ctx = AppContext::instance();
    ctx.ShapeBorderWidth = 1;
    ctx.ShapeBorderColor = Color::Black;
    ctx.ShapeFillColor = Color::White;
    updateColorIcons();
    cmbShapes_Click(0);
    // 6
    updateSizeLabel();
}

DrawBorder::~DrawBorder() {
    delete picPaint_; // lets go of the surface before it is destroyed
    picPaint_ = nullptr;
}

void DrawBorder::buildControls() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setGeometry(8, 8, 569, 33);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    QLinearGradient grad(0, 0, 0, 33);
    grad.setColorAt(0, QColor(250, 250, 252));
    grad.setColorAt(1, QColor(214, 222, 236));
    pal.setBrush(QPalette::Window, grad);
    strip->setPalette(pal);
    QFont small = strip->font();
    small.setPixelSize(11);
    strip->setFont(small);

    label(QStringLiteral("Shapes: "), "Label2", QRect(6, 8, 44, 17), strip);
    cmbShapes_ = new QComboBox(strip);
    cmbShapes_->setObjectName(QStringLiteral("cmbShapes"));
    cmbShapes_->setGeometry(50, 6, 137, 22);
    cmbShapes_->setMaxVisibleItems(20);
    label(QStringLiteral("Size:"), "Label1", QRect(194, 8, 28, 17), strip);
    lblSize_ = label(QString(), "lblSize", QRect(222, 8, 120, 17), strip);
    label(QStringLiteral("Border Width:"), "Label4", QRect(370, 8, 82, 21), strip)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtBorderWidth_ = new BorderWidthBox(strip);
    txtBorderWidth_->setObjectName(QStringLiteral("txtBorderWidth"));
    txtBorderWidth_->setGeometry(456, 5, 25, 21);
    txtBorderWidth_->setText(QStringLiteral("1"));

    auto button = [&](const char* name, int x, const QString& tip) {
        auto* b = new QToolButton(strip);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 4, 25, 25);
        b->setAutoRaise(true);
        if (!tip.isEmpty())
            b->setToolTip(tip);
        return b;
    };
    cmdBorderColor_ = button("cmdBorderColor", 488, QStringLiteral("Border Color"));
    cmdFillColor_ = button("cmdFillColor", 512, QStringLiteral("Background Color"));
    cmdSaveGif_ = button("cmdSaveGif", 536, QString());
    cmdSaveGif_->setIcon(saveIcon());
    cmdSaveGif_->setAccessibleName(QStringLiteral("Save"));

    picPaint_ = new SurfaceCanvas(&surface_, this);
    picPaint_->setObjectName(QStringLiteral("picPaint"));
    picPaint_->move(CanvasPlace);

    const Qt::CursorShape cursors[] = {Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor};
    for (int i = 0; i < 3; ++i) {
        auto* h = new ResizeHandle(i, cursors[i], this);
        h->setObjectName(QStringLiteral("picPaintResize%1").arg(i));
        connect(h, &ResizeHandle::pressed, this, &DrawBorder::handlePressed);
        connect(h, &ResizeHandle::moved, this, &DrawBorder::handleMoved);
        connect(h, &ResizeHandle::released, this, &DrawBorder::handleReleased);
        picPaintResize_[size_t(i)] = h;
    }

    connect(cmbShapes_, &QComboBox::currentIndexChanged, this, &DrawBorder::cmbShapes_Click);
    connect(txtBorderWidth_, &BorderWidthBox::widthKey, this, &DrawBorder::txtBorderWidth_Key);
    connect(cmdBorderColor_, &QToolButton::clicked, this, [this] { chooseColor(true); });
    connect(cmdFillColor_, &QToolButton::clicked, this, [this] { chooseColor(false); });
    connect(cmdSaveGif_, &QToolButton::clicked, this, &DrawBorder::cmdSaveGif_Click);
}

void DrawBorder::RedrawShape() {
    const AppContext& ctx = AppContext::instance();
    surface_.backColor = SystemColor(WindowColor);
    surface_.clear();
    DrawShape(ctx.ShapeName, surface_, ctx.ShapeBorderColor, ctx.ShapeFillColor, ctx.ShapeBorderWidth);
    surface_.refresh();
}

void DrawBorder::AdjustPaintResizeBox() {
    const QRect canvas(picPaint_->pos(), QSize(surface_.width(), surface_.height()));
    for (int i = 0; i < 3; ++i)
        picPaintResize_[size_t(i)]->move(CanvasResize::handlePlace(CanvasResize::Handle(i), canvas));
}

void DrawBorder::setCanvasSize(QSize size) {
    if (size == QSize(surface_.width(), surface_.height()))
        return;
    surface_.resize(size.width(), size.height());
    picPaint_->syncToSurface();
    RedrawShape(); // every change of size redraws
}

void DrawBorder::updateSizeLabel() { lblSize_->setText(CanvasResize::sizeLabel({surface_.width(), surface_.height()})); }

void DrawBorder::updateColorIcons() {
    const AppContext& ctx = AppContext::instance();
    cmdBorderColor_->setIcon(colorIcon(ctx.ShapeBorderColor, true));
    cmdFillColor_->setIcon(colorIcon(ctx.ShapeFillColor, false));
}

void DrawBorder::cmbShapes_Click(int index) {
    if (index < 0)
        return;
    AppContext::instance().ShapeName = cmbShapes_->itemText(index);
    RedrawShape();
}

void DrawBorder::txtBorderWidth_Key(int digit) {
    AppContext& ctx = AppContext::instance();
    if (digit >= 0) // after Backspace the width stays
        ctx.ShapeBorderWidth = digit == 0 ? 1 : digit;
    RedrawShape();
}

void DrawBorder::chooseColor(bool border) {
    AppContext& ctx = AppContext::instance();
    ColorValue& value = border ? ctx.ShapeBorderColor : ctx.ShapeFillColor;
    if (const std::optional<ColorValue> chosen = dialogs().chooseColor(this, value, false))
        value = *chosen; // a cancel keeps the colour
    updateColorIcons();
    RedrawShape();
}

void DrawBorder::cmdSaveGif_Click() {
    if (ShapeSave::savePicture(this, surface_.image()) == ShapeSave::Result::Saved)
        host_.setBoxSize(surface_.width(), surface_.height());
}

void DrawBorder::handlePressed(int, QPoint pos) {
    pressPos_ = pos;
    dragging_ = true;
    // The pressed handle keeps the mouse, so it only stops drawing itself.
    for (ResizeHandle* h : picPaintResize_)
        h->setGhost(true);
}

void DrawBorder::handleMoved(int index, QPoint pos) {
    if (!dragging_)
        return;
    const int dx = pos.x() - pressPos_.x(), dy = pos.y() - pressPos_.y();
    const QRect canvas(picPaint_->pos(), QSize(surface_.width(), surface_.height()));
    const QSize next = CanvasResize::dragStep(CanvasResize::Handle(index), canvas, size(), dx, dy);
    // The handle moves with the accepted change, so the next step is again
    // relative to the pointer's last place.
    ResizeHandle* h = picPaintResize_[size_t(index)];
    h->move(h->pos() + QPoint(next.width() - canvas.width(), next.height() - canvas.height()));
    setCanvasSize(next);
    updateSizeLabel();
}

void DrawBorder::handleReleased(int) {
    if (!dragging_)
        return;
    dragging_ = false;
    AdjustPaintResizeBox();
    for (ResizeHandle* h : picPaintResize_)
        h->setGhost(false);
}

void ShowPredefinedShapes(ShapesHost& host, QWidget* owner) {
    DrawBorder window(host, owner);
    window.setEnabled(true);
    window.exec();
}
