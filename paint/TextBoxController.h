#pragma once
// The Text tool's editing box txtText on the canvas, its measuring label
// lblTextSize and the Font command; one per paint window.
//
// The box shows its text where it will be printed, in the canvas's font, the
// foreground colour on the canvas's background colour, and keeps the size of
// its text. Enter (on key release) or a double-click prints the text into the
// picture and records one history step; Esc discards it. Losing the focus
// commits too, except to a press on the canvas with the Text tool (which
// moves the box) and to menus, dialogs or other programs (which give the
// focus back).
#include "paint/TextEntry.h"

#include <QObject>

class PaintEnv;
class QLabel;
class QLineEdit;

class TextBoxController : public QObject {
    Q_OBJECT
public:
    static TextBoxController& of(PaintEnv& env);
    explicit TextBoxController(PaintEnv& env); // use of()

    // A press with the Text tool at p (canvas pixels).
    void press(QPoint p);
    // CommitText: prints the box's text and records a step; nothing while hidden.
    void commit();
    // Esc: hides the box, discarding its text.
    void cancel();
    // The Font command: the font dialog with the canvas's font and the
    // foreground colour; the canvas, the box and the label take the chosen
    // font, and the foreground colour the chosen colour, redrawing a pending
    // polygon or curve preview around the change. Cancel changes nothing.
    void chooseFont();

    bool shown() const { return entry_.shown(); }
    QLabel* sizeLabel() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box();
    void applyLook();
    void fit();
    void focusCanvas();

    PaintEnv& env_;
    TextEntry entry_;
    QLabel* label_ = nullptr;
    QLineEdit* hooked_ = nullptr;
};
