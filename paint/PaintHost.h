#pragma once
// What the paint window needs of the window that opens it (the main window
// implements it).
#include <QString>

class PaintHost {
public:
    virtual ~PaintHost() = default;
    // The texts of the box's width and height boxes, in pixels as typed.
    virtual QString widthText() const = 0;
    virtual QString heightText() const = 0;
    // A picture was saved into the personal category as `path`: lists
    // showing that category take it in.
    virtual void pictureSaved(const QString& path) = 0;
};
