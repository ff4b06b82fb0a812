#pragma once
// The paint window's selection and clipboard: one per window, shared by the
// Select Area tool, the Edit menu and the hooks the window, the effects and
// Save call (PaintHooks: selectionShown, dropSelection, hideSelection,
// drawSelectionRect, pictureToSave). It keeps the floating selection widget
// picSelect in place and the Cut, Copy, Delete, Crop and Paste items enabled
// exactly when they can act.
#include "paint/PaintClipboard.h"
#include "paint/Selection.h"

#include <QObject>

class PaintEnv;
class QWidget;
struct CanvasMouse;

class SelectionController : public QObject, public SelectionHost {
    Q_OBJECT
public:
    // The controller of env's window, made (and its hooks installed) on
    // first use; it lives as long as the window.
    static SelectionController& of(PaintEnv& env);
    explicit SelectionController(PaintEnv& env); // use of()

    Selection& selection() { return sel_; }
    PaintClipboard& clipboard() { return clip_; }

    // --- Select Area on the canvas (canvas pixels) ------------------------
    void press(QPoint p);
    void move(QPoint p, bool shift, bool ctrl);
    void release(QPoint p, bool shift, bool ctrl);

    // --- Edit menu ---------------------------------------------------------
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void crop();
    void selectAll();
    // Enables Paste when the clipboard holds a picture.
    void updatePaste();

    // --- SelectionHost -----------------------------------------------------
    Surface& canvas() override;
    Surface& selectionSurface() override;
    void SetImageBuffer() override;
    void selectionChanged() override;
    void canvasResized() override;

private:
    void installHooks();
    void connectWidget();
    void widgetPressed(const CanvasMouse& e);
    void widgetMoved(const CanvasMouse& e);
    void widgetReleased(const CanvasMouse& e);
    void focusCanvas();

    PaintEnv& env_;
    PaintClipboard clip_;
    Selection sel_;
    bool widgetConnected_ = false;
    QWidget* edge_ = nullptr; // picSelect's own frame while the marquee is off the canvas
};
