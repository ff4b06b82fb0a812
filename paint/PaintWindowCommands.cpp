// frmPaint: the opening sequence, the history, the File and Format commands,
// the status bar and the error reporter.
#include "imaging/Filter.h"
#include "imaging/Rounding.h"
#include "paint/PaintCommands.h"
#include "paint/PaintEditMenu.h"
#include "paint/PaintEffectsMenu.h"
#include "paint/PaintHost.h"
#include "paint/PaintLayout.h"
#include "paint/PaintMenus.h"
#include "paint/PaintStatus.h"
#include "paint/PaintWindow.h"
#include "platform/AppContext.h"
#include "platform/AppError.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/ErrorMessage.h"
#include "shapes/ShapeSave.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {
constexpr QSize DesignCanvas(415, 401); // 6225 x 6015 twips
constexpr QSize MinClient(640, 500);     // room for the tool column, its panes and the colour bar
} // namespace

frmPaint::frmPaint(PaintHost& host, QWidget* parent)
    : QDialog(parent), host_(host), canvas_(DesignCanvas.width(), DesignCanvas.height(), Color::White) {
    setObjectName(QStringLiteral("frmPaint"));
    setWindowTitle(QStringLiteral("Customized shapes "));
    setModal(true);
    setSizeGripEnabled(false);
    canvas_.scaleMode = Surface::ScalePixels;
    buildWidgets();
    for (int t = 0; t < Tool::Count; ++t) {
        tools_[size_t(t)] = createPaintTool(t, *this);
        optTools_[size_t(t)]->setEnabled(tools_[size_t(t)] != nullptr);
    }
    wireMenus();
    wirePaintEffects(*menus_, *this);
    wirePaintEdit(*menus_, *this);
    wireOpen();

    // The shortest window: 2800 twips with the classic frame counted in.
    const int menuHeight = menuBar_->sizeHint().height();
    setMinimumSize(320, menuHeight + (PaintLayout::MinWindowHeight - PaintLayout::FrameHeight) / 15);
    openingSequence();
    // Big enough for the canvas with its handles and the scroll bars' room,
    // within the screen.
    const int t = PaintLayout::TwipsPerPixel;
    QSize want = MinClient.expandedTo(QSize(PaintLayout::ToolColumnWidth / t + canvas_.width() + 40,
                                            canvas_.height() + PaintLayout::ColorBarHeight / t + 40));
    want.rheight() += menuHeight;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        want = want.boundedTo(screen->availableSize() - QSize(40, 80));
    resize(want);
}

frmPaint::~frmPaint() {
    // The canvases let go of their surfaces before the surfaces go.
    delete picPaint_;
    picPaint_ = nullptr;
}

void frmPaint::wireMenus() {
    auto on = [this](const char* name, auto&& handler) {
        if (QAction* a = menus_->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, handler] { guarded(0, handler); });
    };
    on("mnuNew", [this] { New(); });
    on("mnuSave", [this] { Save(); });
    on("mnuExit", [this] { reject(); });
    on("mnuUndo", [this] { Undo(); });
    on("mnuRedo", [this] { Redo(); });
    on("mnuForeColor", [this] { chooseForeColor(); });
    on("mnuFillColor", [this] { chooseFillColor(); });
    for (int i = 0; i < 5; ++i)
        if (QAction* a = menus_->action(QStringLiteral("mnuBorderStyles%1").arg(i)))
            connect(a, &QAction::triggered, this, [this, i] { setBorderStyle(i); });
    for (int i = 0; i < 8; ++i)
        if (QAction* a = menus_->action(QStringLiteral("mnuFillStyles%1").arg(i)))
            connect(a, &QAction::triggered, this, [this, i] { setFillStyle(i); });
    // Opening File, Edit, Effect, Filter or Help clears the status bar; Format does not.
    for (const char* name : {"mnuFile", "mnuEdit", "mnuEffect", "mnuFilter", "mnuHelp"})
        if (QMenu* m = menus_->menu(QLatin1String(name)))
            connect(m, &QMenu::aboutToShow, this, [this] { UpdateStatusBar(0, 0, 0, 0, true); });
}

// ---------------------------------------------------------------------------
// Opening

void frmPaint::openingSequence() {
    guarded(0, [&] {
        // 1: the reset part of New (nothing is unsaved yet).
        PaintCommands::resetForNew(*this);
        // 2
        state_.filterTool = 2;
        menus_->checkOnly(QStringLiteral("mnuFilterTools"), 2);
        state_.tool = Tool::Pencil;
        optTools_[Tool::Pencil]->setChecked(true);
        state_.brushShape = state_.dotSize = state_.fillStyle = state_.fillMode = 0;
        state_.borderStyle = 0;
        canvas_.drawWidth = 1;
        showPanes();
        updatePaneMarks();
        // 3: the text box writes in the canvas's font.
        txtText_->setFont(canvas_.qfont());
        // 4: the box's size; a text that is not a number stops here, a side
        // not yet set keeps its design value.
        setCanvasSize(QSize(PaintCommands::boxSide(host_.widthText()), canvas_.height()));
        setCanvasSize(QSize(canvas_.width(), PaintCommands::boxSide(host_.heightText())));
        Form_Resize();
        // 5: redrawn at its own size, recorded.
        RunEffect(mdlEffect::Scale, 1.0f, 0.0f);
        // 6
        UpdateStatusBar(0, 0, 0, 0, false);
        SetToolCursor();
    });
    // The opening's own steps are no change of the user's: closing an
    // untouched canvas asks nothing.
    state_.changed = false;
}

// ---------------------------------------------------------------------------
// History

void frmPaint::SetImageBuffer() {
    guarded(0, [&] {
        history_.record(canvas_.image());
        state_.changed = true;
        updateUndoRedo();
    });
}

void frmPaint::ResetImageBuffer() {
    history_.reset(canvas_.image());
    updateUndoRedo();
}

void frmPaint::updateUndoRedo() {
    setActionEnabled("mnuUndo", history_.canUndo());
    setActionEnabled("mnuRedo", history_.canRedo());
}

void frmPaint::restore(const PaintHistory::Step& step) {
    canvas_.image() = step.picture; // shared: no pixels are copied
    if (canvas_.width() != step.width || canvas_.height() != step.height)
        canvas_.resize(step.width, step.height);
    picPaint_->syncToSurface();
    canvas_.refresh();
}

void frmPaint::Undo() {
    ZoomImage(0, 0, true);
    if (hooks_.selectionShown && hooks_.selectionShown()) {
        if (hooks_.dropSelection)
            hooks_.dropSelection();
        picPaint_->setFocus();
    } else {
        FinishFigure();
    }
    if (const auto step = history_.undo())
        restore(*step);
    updateUndoRedo();
    AdjustPaintResizeBox();
    Form_Resize();
}

void frmPaint::Redo() {
    ZoomImage(0, 0, true);
    if (hooks_.selectionShown && hooks_.selectionShown() && hooks_.hideSelection)
        hooks_.hideSelection();
    if (const auto step = history_.redo())
        restore(*step);
    updateUndoRedo();
    FinishFigure();
    AdjustPaintResizeBox();
    Form_Resize();
}

// ---------------------------------------------------------------------------
// File

bool frmPaint::askToSave(bool* saved) {
    *saved = false;
    if (!state_.changed)
        return true;
    const MsgAnswer a = dialogs().message(this, QStringLiteral("Do you want to save the changes?"), AppTitle,
                                          MsgIcon::Warning, MsgButtons::YesNoCancel);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a == MsgAnswer::Yes) {
        *saved = Save();
        return *saved; // a Save that did not save keeps the picture
    }
    return true;
}

void frmPaint::New() {
    bool saved = false;
    if (!askToSave(&saved))
        return;
    PaintCommands::resetForNew(*this);
    pictureName_.clear();
    proposedName_.clear();
    AdjustPaintResizeBox();
    Form_Resize();
}

bool frmPaint::Save() {
    ZoomImage(0, 0, true);
    const QImage picture = hooks_.pictureToSave ? hooks_.pictureToSave() : canvas_.image();
    QString savedAs;
    const ShapeSave::Result r = ShapeSave::savePicture(
        this, picture, [this](const QString&) { ShowErrorMessage(1, QString()); }, proposedName_, &savedAs);
    if (r != ShapeSave::Result::Saved)
        return false;
    state_.changed = false;
    proposedName_ = savedAs;
    pictureName_ = savedAs + QStringLiteral(".jpg");
    updatePictureStatus();
    host_.pictureSaved(ShapeSave::picturePath(savedAs));
    return true;
}

void frmPaint::reject() {
    // Exit, the close box and Escape all end here.
    bool saved = false;
    if (!askToSave(&saved))
        return; // the window stays open; the picture is still unsaved
    state_.changed = false;
    FinishFigure();
    QDialog::reject();
}

// ---------------------------------------------------------------------------
// Format

void frmPaint::setBorderStyle(int style) {
    state_.borderStyle = style;
    menus_->checkOnly(QStringLiteral("mnuBorderStyles"), style);
}

void frmPaint::setFillStyle(int style) {
    state_.fillStyle = style;
    menus_->checkOnly(QStringLiteral("mnuFillStyles"), style);
}

void frmPaint::chooseForeColor() {
    const std::optional<ColorValue> c = dialogs().chooseColor(this, state_.foreColor, false);
    if (!c)
        return; // a cancelled dialog keeps the colour
    RedrawPendingFigure();
    state_.foreColor = *c;
    canvas_.drawMode = Surface::DrawXor;
    canvas_.foreColor = state_.foreColor ^ canvas_.backColor;
    RedrawPendingFigure();
    updateColorSwatches();
}

void frmPaint::chooseFillColor() {
    if (const std::optional<ColorValue> c = dialogs().chooseColor(this, state_.fillColor, false))
        state_.fillColor = *c;
    updateColorSwatches();
}

void frmPaint::paletteClick(int cell, Qt::MouseButton button) {
    const ColorValue c = PaintLayout::paletteColor(cell);
    if (button == Qt::LeftButton) {
        RedrawPendingFigure();
        state_.foreColor = c;
        canvas_.drawMode = Surface::DrawXor;
        canvas_.foreColor = state_.foreColor ^ canvas_.backColor;
        RedrawPendingFigure();
    } else if (button == Qt::RightButton) {
        state_.fillColor = c;
    }
    updateColorSwatches();
}

// ---------------------------------------------------------------------------
// Effects reached from here (the opening; the Effect menu may replace it)

void frmPaint::RunEffect(int mode, float factor, float angle) {
    if (hooks_.runEffect) {
        hooks_.runEffect(mode, factor, angle);
        return;
    }
    FinishFigure();
    PaintCommands::runEffectOnCanvas(*this, mode, factor, angle);
    SetImageBuffer();
}

void frmPaint::ZoomImage(double fx, double fy, bool reset) {
    if (hooks_.zoomImage)
        hooks_.zoomImage(fx, fy, reset);
}

void frmPaint::DrawSelectionRect() {
    if (hooks_.drawSelectionRect)
        hooks_.drawSelectionRect();
}

mdlFilter::FilterContext frmPaint::filterContext() {
    mdlFilter::FilterContext c;
    c.UpdateStatusBar = [this](int info, int percentage) { UpdateStatusBar(info, 0, 0, percentage, false); };
    c.ShowErrorMessage = [this](const QString& d) { ShowErrorMessage(0, d); };
    return c;
}

void frmPaint::setActionEnabled(const char* name, bool enabled) {
    if (QAction* a = menus_->action(QLatin1String(name)))
        a->setEnabled(enabled);
}

// ---------------------------------------------------------------------------
// Status bar and errors

void frmPaint::UpdateStatusBar(int info, double x, double y, int percentage, bool clear) {
    PaintStatus::Extras extras;
    extras.textBoxShown = txtText_ && txtText_->isVisibleTo(picPaint_);
    extras.curveHandleShown = imgBezier_[0] && imgBezier_[0]->isVisibleTo(picPaint_);
    bool overflow = false;
    const PaintStatus::Panels p =
        PaintStatus::panels(info, float(x), float(y), percentage, clear, state_, extras, &overflow);
    panels_[0]->setText(p.hint);
    if (p.place)
        panels_[1]->setText(*p.place);
    panels_[2]->setText(p.size);
    if (overflow)
        ShowErrorMessage(0, QStringLiteral("Overflow"));
    if (info == mdlFilter::InfoFiltering || info == mdlFilter::InfoReading)
        panels_[0]->repaint(); // the filter holds the thread while it runs
}

void frmPaint::ShowErrorMessage(int code, const QString& description) {
    ::ShowErrorMessage(code, description, this);
}
