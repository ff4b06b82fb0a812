#pragma once
// A widget that shows a picture surface at the surface's own size (one screen
// pixel per picture pixel) and reports mouse and key events in picture
// pixels. It repaints whenever the surface is refreshed.
//
// The surface must outlive the canvas, or be taken away with setSurface(nullptr).
#include "platform/Surface.h"

#include <QWidget>

struct CanvasMouse {
    double x = 0;                          // pixels from the surface's left edge
    double y = 0;                          // pixels from the top edge
    Qt::MouseButton button = Qt::NoButton; // the button pressed or released (none for moves)
    Qt::MouseButtons buttons;              // every button held during the event
    bool shift = false;
    bool ctrl = false;
};

struct CanvasKey {
    int key = 0;   // Qt::Key
    QString text;  // the characters typed, if any
    bool shift = false;
    bool ctrl = false;
    bool autoRepeat = false;
};

class SurfaceCanvas : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceCanvas(Surface* surface, QWidget* parent = nullptr);
    ~SurfaceCanvas() override;

    Surface* surface() const { return surface_; }
    // Show another surface (or none). The canvas chains itself into the
    // surface's onRefresh and restores the previous hook when it lets go.
    void setSurface(Surface* surface);
    // Take the surface's current size and repaint.
    void syncToSurface();

    QSize sizeHint() const override;

signals:
    void mousePressed(const CanvasMouse& e);
    void mouseMoved(const CanvasMouse& e);
    void mouseReleased(const CanvasMouse& e);
    void doubleClicked(const CanvasMouse& e);
    void keyPressed(const CanvasKey& e);
    void keyReleased(const CanvasKey& e);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void release();

    Surface* surface_ = nullptr;
    std::function<void()> previousRefresh_;
};
