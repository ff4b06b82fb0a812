#pragma once
// What the predefined shapes window needs of the window that opens it (the
// main window implements it): the box's width and height as typed.
#include <QString>

class ShapesHost {
public:
    virtual ~ShapesHost() = default;
    // The texts of the box's width and height boxes, in pixels as typed.
    virtual QString widthText() const = 0;
    virtual QString heightText() const = 0;
    // Writes the width and height as decimal text into those boxes, with the
    // same effect as typing them (the host refits its background).
    virtual void setBoxSize(int width, int height) = 0;
};
