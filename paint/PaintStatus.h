#pragma once
// The texts of the paint window's three-panel status bar (UpdateStatusBar),
// widget-free. Panel 1 the hint, panel 2 the pointer position "x,y", panel 3
// the size "wxh" of a figure being dragged.
#include "paint/PaintState.h"

#include <QString>
#include <optional>

namespace PaintStatus {

struct Panels {
    QString hint;                 // panel 1
    std::optional<QString> place; // panel 2; nothing = keeps its text
    QString size;                 // panel 3
};

// What UpdateStatusBar reads besides the state.
struct Extras {
    bool textBoxShown = false;     // txtText
    bool curveHandleShown = false; // imgBezier(0)
};

// The hint of code 0 for the current tool and state.
QString toolHint(const PaintState& s, const Extras& extras);
// Panel 1 for a hint code (0 tool, 1-3 colour bar, 4 filtering, 5 reading
// colours; others empty); percentage is used by 4 and 5.
QString hintText(int info, const PaintState& s, const Extras& extras, int percentage);
// Shortest decimal form of a single-precision value ("120", "12.5").
QString number(float v);

// All three panels for a call; clear empties all three. A size difference
// that does not fit 32 bits gives nothing for panel 3 and sets overflow.
Panels panels(int info, float x, float y, int percentage, bool clear, const PaintState& s, const Extras& extras,
              bool* overflow = nullptr);

} // namespace PaintStatus
