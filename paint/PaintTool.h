#pragma once
// The narrow interface between the paint window and one drawing tool. The
// window makes one object per tool button when it opens (createPaintTool) and
// keeps them while it is open; canvas events go to the current tool. Tools
// reach the picture and the rest of the window only through PaintEnv.
//
// What the window does around the calls (so tools need not):
//  - Left press: pressed <- true, start <- the point rounded to whole pixels,
//    pen style <- border style (dotted for Select Area) and pen width <- line
//    width (1 for Select Area); then press(). A right press calls press()
//    with button == Qt::RightButton and none of the above.
//  - Move: move() only while pressed and the left button is held; then
//    UpdateStatusBar(0, x, y, 0, false) for every move, pressed or not.
//  - Left release (only while pressed): end <- the point rounded, release(),
//    pressed <- false, SetImageBuffer() when recordsOnRelease(), then
//    UpdateStatusBar(0, 0, 0, 0, false).
//  - Double-click: doubleClick(), then finish(). Key release: keyRelease(),
//    then finish() for Enter.
//  - Tool change: finish() of the old tool, deactivated(), the new tool's
//    activated(), the option panes of panes(), the cursor of cursorFile().
// Any exception a tool throws from press() is reported with error code 4, from
// the others with code 0 and its description; the state it reached stays.
#include "paint/PaintState.h"

#include <QString>
#include <Qt>
#include <memory>

class PaintEnv;

struct ToolEvent {
    int x = 0, y = 0;      // canvas pixels, rounded halves to even
    double fx = 0, fy = 0; // the unrounded position
    Qt::MouseButton button = Qt::NoButton; // the button pressed or released (none on moves)
    Qt::MouseButtons buttons;              // every button held
    bool shift = false;
    bool ctrl = false;
};

// Option panes shown while a tool is current (bit set).
enum PaintPane : unsigned { PaneNone = 0, PaneDot = 1, PaneFill = 2, PaneBrush = 4 };

// The panes, cursor file and release recording of each tool index, as the
// window shows them; PaintTool's defaults return these.
unsigned defaultPanes(int tool);
QString defaultCursorFile(int tool); // "" for the platform's arrow
bool defaultRecordsOnRelease(int tool);

class PaintTool {
public:
    PaintTool(int index, PaintEnv& env) : index_(index), env_(env) {}
    virtual ~PaintTool() = default;
    PaintTool(const PaintTool&) = delete;
    PaintTool& operator=(const PaintTool&) = delete;

    int index() const { return index_; }

    virtual void press(const ToolEvent& e) { (void)e; }
    virtual void move(const ToolEvent& e) { (void)e; }
    virtual void release(const ToolEvent& e) { (void)e; }
    virtual void doubleClick(const ToolEvent& e) { (void)e; }
    virtual void keyRelease(int key) { (void)key; }
    // FinishFigure: completes a pending figure (polygon, curve) or drops the
    // selection; runs on double-click, Enter, a tool change and before Undo,
    // Redo, Paste, Clear and every effect or filter.
    virtual void finish() {}
    // RedrawPendingFigure: redraws an unfinished figure's preview (drawn twice
    // it disappears); called around colour and line-width changes.
    virtual void redrawPending() {}
    // Whether the window records a history step after release().
    virtual bool recordsOnRelease() const { return defaultRecordsOnRelease(index_); }
    // Cursor file relative to the application folder's Cursors folder
    // (e.g. "pencil.cur"); "" = the platform's default arrow.
    virtual QString cursorFile() const { return defaultCursorFile(index_); }
    virtual unsigned panes() const { return defaultPanes(index_); }
    // The button was chosen / another one is being chosen.
    virtual void activated() {}
    virtual void deactivated() {}

protected:
    PaintEnv& env() const { return env_; }

private:
    int index_;
    PaintEnv& env_;
};

// The tool of a button index 0..17 from the factories of FreehandTools.h,
// FigureTools.h and SelectionTools.h; nullptr when none builds it yet (the
// window then disables the button).
std::unique_ptr<PaintTool> createPaintTool(int index, PaintEnv& env);
