#pragma once
// mdlEffect: the paint program's geometric effects on a picture surface (the
// canvas or the floating selection), using a scratch surface as the source:
//   mode 0  mirror left-right            mode 1  mirror top-bottom
//   mode 2  scale by EffectScaleX/Y      mode 3  rotate by EffectAngle degrees
//   mode 4  invert (XOR with the target's background colour)
// The parameters are the program-wide AppContext values EffectScaleX,
// EffectScaleY, EffectAngle (rewritten by a rotation) and EffectClockwise.
#include <QString>

class Surface;

// What the paint window lends the effects.
class EffectHost {
public:
    virtual ~EffectHost() = default;
    // Draws (or, drawn twice, removes) the selection's marquee.
    virtual void DrawSelectionRect() = 0;
    // Moves the canvas's three resize handles to its current size.
    virtual void AdjustPaintResizeBox() = 0;
    // Lays the window out again (scroll bars) after a size change.
    virtual void Form_Resize() = 0;
    // Repaints the paint window.
    virtual void refresh() = 0;
    // Hides / shows the target while it changes size (optional).
    virtual void setTargetVisible(Surface& target, bool visible) {
        (void)target;
        (void)visible;
    }
    // The error reporter: code 0 and the error's description.
    virtual void ShowErrorMessage(int code, const QString& description) = 0;
};

namespace mdlEffect {

enum Mode { MirrorLeftRight = 0, MirrorTopBottom = 1, Scale = 2, Rotate = 3, Invert = 4 };

// One effect on target with scratch as the working copy. Never throws: a
// failure is reported through host.ShowErrorMessage(0, description) and the
// target keeps what was painted so far. Unknown modes leave the target blank
// in its background colour, as the first step already cleared it.
void ImageEffect(int mode, Surface& target, Surface& scratch, EffectHost& host);

// Turns the picture of source into destination about their centres:
// anticlockwise by angle degrees, or clockwise when clockwise is set (the
// angle then becomes 360 - angle). angle is rewritten, in radians, as the
// program does with EffectAngle. At exactly 90 and 270 degrees the
// destination first turns on its side (width and height swapped). Nearest
// pixel by quadrant symmetry; places that receive nothing keep the
// destination's colour. Throws on failure (ImageEffect reports it).
void RotateImage(const Surface& source, Surface& destination, float& angle, bool clockwise, EffectHost& host);

} // namespace mdlEffect
