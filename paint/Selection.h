#pragma once
// The paint program's floating selection, without widgets: the selecting
// drag with its marquee, the floating picture (picSelect) and its place on
// the canvas, moving (CTRL keeps the original place), dropping it back into
// the canvas, Delete, Crop, Select All, Paste, and the picture the user sees
// (canvas plus floating selection, without the marquee).
//
// All points are canvas pixels. A selection may lie partly or wholly outside
// the canvas (dragged there, or a paste larger than the canvas): drawing,
// dropping and the marquee are clipped to the canvas, nothing else changes.
//
// States: none; fresh (just cut: covers the place it was cut from, which
// still holds its pixels); floating (moved, pasted or changed by an effect).
#include "paint/Marquee.h"
#include "platform/Surface.h"

#include <QPoint>
#include <QRect>

// What the selection needs of the paint window.
class SelectionHost {
public:
    virtual ~SelectionHost() = default;
    virtual Surface& canvas() = 0;
    // The floating selection's picture (picSelect's surface).
    virtual Surface& selectionSurface() = 0;
    // Records the canvas as a new history step.
    virtual void SetImageBuffer() = 0;
    // The selection was shown, hidden, moved, or its picture changed: the
    // window moves picSelect and enables Cut, Copy, Delete and Crop exactly
    // while a selection is shown.
    virtual void selectionChanged() {}
    // The canvas took another size (Crop): lay the window out again.
    virtual void canvasResized() {}
};

class Selection {
public:
    explicit Selection(SelectionHost& host);

    // --- the selecting drag (Select Area tool on the canvas) -------------
    // Press: drops a shown selection first, then starts a marquee at p.
    void beginSelect(QPoint p);
    // Move with the button held: the marquee follows; SHIFT alone gives a
    // square (SHIFT with CTRL does not constrain).
    void dragSelect(QPoint p, bool shift, bool ctrl);
    // Release: a rectangle with corners start and end (constrained as the
    // drag) gives a fresh selection of its inside, clipped to the canvas;
    // a drag of one pixel or less in either direction, or one whose inside
    // lies wholly off the canvas, gives none and leaves no marquee.
    void endSelect(QPoint p, bool shift, bool ctrl);
    bool selecting() const { return selecting_; }
    // The drag's end point after the SHIFT constraint (the status bar's size).
    QPoint dragEnd() const { return end_; }

    // --- moving (presses on the floating selection) ----------------------
    bool contains(QPoint p) const;
    // Grabs the selection at p. Without CTRL a fresh selection's place
    // becomes background; with CTRL it keeps its pixels (a copy is moved).
    void beginMove(QPoint p, bool ctrl);
    void dragMove(QPoint p);   // the grabbed point follows the pointer
    void endMove(QPoint p);    // marquee around the new place
    bool moving() const { return moving_; }

    // --- commands --------------------------------------------------------
    // Pastes the floating picture into the canvas and removes the selection;
    // records a history step unless the selection was still fresh.
    void DropSelection();
    // Toggles the marquee of a shown selection (used around effects and
    // filters, which change the selection: it is no longer fresh).
    void DrawSelectionRect();
    // Removes the selection; a fresh one leaves its place background, a
    // moved one only its floating pixels disappear. Records a history step.
    void deleteSelection();
    // The canvas becomes the selection's picture (and takes its size);
    // records a history step.
    void crop();
    // A fresh selection of the whole canvas.
    void selectAll();
    // A floating selection of picture at the canvas's top-left corner; a
    // shown selection is dropped first. A null picture does nothing.
    void paste(const QImage& picture);
    // Hides the selection without pasting it, for Redo and New, which
    // replace the canvas picture (before or after this call): the marquee
    // goes with the old picture and is forgotten.
    void discard();

    // --- state -----------------------------------------------------------
    bool shown() const { return shown_; }
    bool fresh() const { return fresh_; }
    QPoint pos() const { return pos_; }
    QRect rect() const { return QRect(pos_, pic_.image().size()); }
    // The floating picture; effects and filters work on it directly and
    // call DrawSelectionRect around their run. Its picture survives hiding
    // (Cut copies it after deleting).
    Surface& surface() { return pic_; }
    const Surface& surface() const { return pic_; }
    const Marquee& marquee() const { return marquee_; }

    // The picture as the user sees it: the canvas with the floating
    // selection painted in and without the marquee. Changes nothing.
    QImage composite();

private:
    QPoint constrained(QPoint p, bool shift, bool ctrl) const;
    void showMarquee();
    void clearPlace(const QRect& r);
    void changed();

    SelectionHost& host_;
    Surface& pic_;
    Marquee marquee_;
    QPoint pos_;
    QPoint start_, end_; // the selecting drag
    QRect cutFrom_;      // the canvas rectangle a fresh selection was cut from
    QPoint grab_;        // the grabbed point in the selection's own pixels
    bool shown_ = false;
    bool fresh_ = false;
    bool selecting_ = false;
    bool moving_ = false;
};
