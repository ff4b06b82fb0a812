#pragma once
// RunEffect and RunFilter of the paint window, widget-free against PaintEnv:
// every Effect menu command, every Filter menu command and the filter brush
// reach the canvas or the floating selection through these.
//
// Every run first returns the view to 100 %, so its result lands in the real
// picture and not on the scaled view. A run on the canvas finishes a pending
// polygon or curve first and records one history step; a run on a shown
// selection changes only the selection and records nothing (the step comes
// when the selection is dropped).
class PaintEnv;
class Surface;

struct EffectChoices {
    enum Axes { Both = 0, WidthOnly = 1, HeightOnly = 2 };
    Axes resize = Both;    // Re&size > &Both / &Width / &Height
    bool clockwise = true; // &Rotate > &Clockwise / &Anti-Clockwise
};

namespace PaintEffects {

// Size limit of a resize, per side: the picture may not pass 50000 twips.
constexpr double ResizeLimitTwips = 50000;

// mode 0 flip left-right, 1 flip top-bottom, 2 resize by factor (the checked
// axes), 3 rotate by angle degrees (the checked direction), 4 invert colours.
// A resize past the size limit is skipped without a message. A failing
// effect reports once, puts the target back as it was and records nothing.
// Returns whether the effect changed the target.
bool RunEffect(PaintEnv& env, const EffectChoices& choices, int mode, float factor, float angle);

// "By 180°": the two mirrors, two history steps (no rotation gaps).
void RotateHalfTurn(PaintEnv& env, const EffectChoices& choices);

// "&Clear": a blank canvas in the background colour, same size, one step. A
// shown selection stays floating.
void ClearPicture(PaintEnv& env);

// With x = y = -1 a filter over the whole canvas or selection, with progress
// in the status bar and the picture repainted as it goes. With a point, the
// filter brush: the square of half-size dot size around it on the canvas
// (even while a selection is shown), when x + d >= 0 and y + d >= 0; the
// brush's step is recorded at release. Replace Colors replaces the
// foreground colour with the fill colour.
void RunFilter(PaintEnv& env, int kind, int x = -1, int y = -1);

} // namespace PaintEffects
