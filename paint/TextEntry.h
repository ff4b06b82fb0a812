#pragma once
// The Text tool's editing box without its widget: whether it is shown, where
// (canvas pixels), its text, the "moving" mark, and printing the text into
// the canvas.
//
// States: hidden; editing (shown); moving (shown, moved by a press on the
// canvas until the box next loses the focus, which then does not commit).
#include "platform/Surface.h"

#include <QPoint>
#include <QString>

class TextEntry {
public:
    // A press with the Text tool at p: a hidden box appears there, empty; a
    // shown one moves there keeping its text and is marked as moving.
    void press(QPoint p);
    void setText(const QString& text) { text_ = text; }

    // Prints the text into the canvas at the box's place in the foreground
    // colour and hides the box. Returns false (nothing printed) when hidden.
    // The caller records the history step.
    bool commit(Surface& canvas, ColorValue foreground);
    // The box has the focus again after a move: a later focus loss commits.
    void settle() { moving_ = false; }
    // Esc: hides the box; the text is discarded.
    void cancel();
    // The box lost the focus: true when that commits (it is shown and not
    // being moved). The moving mark is cleared either way.
    bool focusLost();

    bool shown() const { return shown_; }
    bool moving() const { return moving_; }
    QPoint pos() const { return pos_; }
    const QString& text() const { return text_; }

private:
    QPoint pos_;
    QString text_;
    bool shown_ = false;
    bool moving_ = false;
};

// Prints text with its top-left corner at p in the canvas's font and the
// given colour, with a transparent background, always in copy mode: the
// canvas's draw mode (exclusive-or after a palette click) is left as it was,
// the pen colour becomes color and the text position moves below the text.
void PrintText(Surface& canvas, QPoint p, const QString& text, ColorValue color);
