#pragma once
// What a tool, a command or a menu wiring sees of the paint window instead of
// the window itself. The window implements it; tests may implement it with a
// bare surface. Lengths are canvas pixels unless a member says twips.
#include "paint/PaintState.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class EffectHost;
class PaintHistory;
class QLineEdit;
class QWidget;
class Surface;
class SurfaceCanvas;
namespace mdlFilter {
struct FilterContext;
}

// Slots that later steps fill in; each defaults to "nothing to do", so the
// window works without them. They are set once, by the wiring functions of
// PaintEffectsMenu.h / PaintEditMenu.h or by a tool's constructor.
struct PaintHooks {
    // ZoomImage(focus x, focus y, reset): shows the canvas at state().zoom, or
    // with reset returns the view to 100 %. Focus in twips (window units).
    std::function<void(double fx, double fy, bool reset)> zoomImage;
    // Whether the floating selection picSelect is shown.
    std::function<bool()> selectionShown;
    // DropSelection: pastes a floating selection into the canvas and removes it.
    std::function<void()> dropSelection;
    // Redo and New: hides a floating selection without pasting it and
    // disables Cut, Copy, Delete and Crop.
    std::function<void()> hideSelection;
    // DrawSelectionRect: toggles the marquee of a shown selection (effects).
    std::function<void()> drawSelectionRect;
    // The picture Save writes (default: the canvas's image).
    std::function<QImage()> pictureToSave;
    // RunEffect(mode, factor, angle) of the Effect menu; the default runs the
    // effect on the canvas and records a step (the opening uses mode 2 at 1.0).
    std::function<void(int mode, float factor, float angle)> runEffect;
};

struct ScrollState {
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    bool visible = false;
};

// The window's measures for the zoom view's centring, all in twips.
struct PaintMetrics {
    int windowWidth = 0, windowHeight = 0; // outer size
    int clientWidth = 0, clientHeight = 0; // inside the frame, below the menu bar
    int toolColumnWidth = 0;               // fraTools
    int colorBarHeight = 0;                // fraColor
    int statusBarHeight = 0;               // sta
    int vBarWidth = 0;                     // vscPaint, 0 while hidden
    int hBarHeight = 0;                    // hscPaint, 0 while hidden
};

class PaintEnv {
public:
    virtual ~PaintEnv() = default;

    // --- picture and state ------------------------------------------------
    virtual Surface& canvas() = 0;                  // picPaint's picture
    virtual PaintState& state() = 0;
    virtual PaintHistory& history() = 0;
    virtual PaintHooks& hooks() = 0;
    // Hidden surfaces: the zoom view's 100 % reference, the effects' scratch
    // surface and the internal clipboard.
    virtual Surface& picZoom() = 0;
    virtual Surface& picImageEffect() = 0;
    virtual Surface& picClipboard() = 0;

    // --- window procedures ------------------------------------------------
    // Records the canvas as a new history step (sets changed, enables Undo,
    // disables Redo). Reports a failure itself and leaves the history as it was.
    virtual void SetImageBuffer() = 0;
    // Status bar: hint code (0 tool hint, 1-3 colour bar, 4 filtering,
    // 5 reading colours), pointer position, percentage, clear all panels.
    virtual void UpdateStatusBar(int info, double x, double y, int percentage, bool clear) = 0;
    // Message box of the error reporter (codes 0, 1, 4; others show nothing).
    virtual void ShowErrorMessage(int code, const QString& description) = 0;
    // Repaints the canvas widget: the given canvas rectangle, or all of it.
    virtual void refreshCanvas(const QRect& area = QRect()) = 0;
    // Puts the three resize handles on the canvas's edges.
    virtual void AdjustPaintResizeBox() = 0;
    // Lays the window out again (scroll bars) after a size change.
    virtual void Form_Resize() = 0;
    // hooks().zoomImage when set.
    virtual void ZoomImage(double fx, double fy, bool reset) = 0;
    // hooks().runEffect, or the plain run on the canvas.
    virtual void RunEffect(int mode, float factor, float angle) = 0;
    // Canvas pointer from a file of the Cursors folder ("" = default arrow);
    // a file that cannot be read keeps the previous pointer.
    virtual void setToolCursor(const QString& file) = 0;
    // FinishFigure / RedrawPendingFigure of the current tool.
    virtual void FinishFigure() = 0;
    virtual void RedrawPendingFigure() = 0;
    // state().foreColor / fillColor changed: the swatches show them.
    virtual void colorsChanged() = 0;
    // Makes `index` the current tool as a button press would (runs the
    // tool-change handling when it changes).
    virtual void chooseTool(int index) = 0;
    // Enables / disables a menu item by objectName (e.g. "mnuCut").
    virtual void setActionEnabled(const char* name, bool enabled) = 0;
    // The host of the geometric effects and the context of a filter run on
    // this window (status progress, error reporter, Replace Colors colours
    // left at their defaults).
    virtual EffectHost& effectHost() = 0;
    virtual mdlFilter::FilterContext filterContext() = 0;

    // --- scrolling (the hand tool, the zoom view) --------------------------
    // Canvas widget's left/top inside the window, in twips.
    virtual QPoint canvasPlace() const = 0;
    virtual ScrollState hScroll() const = 0;
    virtual ScrollState vScroll() const = 0;
    // Sets a bar's value (clamped to its range); moves the canvas.
    virtual void setHScrollValue(int value) = 0;
    virtual void setVScrollValue(int value) = 0;
    virtual PaintMetrics metrics() const = 0;

    // --- widgets of later steps (children of the canvas, hidden at first) ---
    virtual QWidget* window() = 0;              // the paint window (dialog parent)
    virtual SurfaceCanvas* picPaint() = 0;      // the canvas widget
    virtual QWidget* imgBezier(int index) = 0;  // curve handles 0..3 (4 x 4 pixels)
    virtual SurfaceCanvas* picSelect() = 0;     // floating selection
    virtual Surface& selectSurface() = 0;       // its picture
    virtual QLineEdit* txtText() = 0;           // text box
};
