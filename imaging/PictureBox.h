#pragma once
// A picture box: a widget that shows the retained image of its own picture
// surface at its natural size from the top-left corner; the rest of the box
// shows the surface's background colour.
#include "platform/Surface.h"

#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Surface surface_;
};
