#pragma once
// The selection's marquee: a dotted rectangle XORed onto the canvas picture.
//
// The marquee remembers the rectangle and the colour it drew, so taking it
// off XORs exactly the same pixels once more: draws and removals always come
// in pairs, whatever was drawn or clipped in between. Parts of the rectangle
// outside the picture are skipped; a rectangle wholly outside draws nothing
// and removes nothing. Cost follows the outline, not the area.
#include <QImage>
#include <QRect>

class Marquee {
public:
    // Draws the outline of r (every pixel of the rectangle's edge, corners
    // inclusive) XORed with mask's RGB; a marquee already shown is taken off
    // first. r must have left <= right and top <= bottom.
    void show(QImage& picture, const QRect& r, QRgb mask);
    // Takes the shown marquee off again; nothing when none is shown.
    void hide(QImage& picture);
    // The picture was replaced (crop, undo, new): nothing of the marquee is
    // left in it, so nothing must be removed later.
    void forget() { shown_ = false; }

    bool shown() const { return shown_; }
    QRect rect() const { return rect_; }
    QRgb mask() const { return mask_; }

    // XORs the dotted outline of r into picture (clipped), without any record.
    // Pixel i along the outline, counted clockwise from the top-left corner,
    // is drawn when (i / 3) is even: dots of three pixels, gaps of three.
    static void xorOutline(QImage& picture, const QRect& r, QRgb mask);

private:
    QRect rect_;
    QRgb mask_ = 0;
    bool shown_ = false;
};
