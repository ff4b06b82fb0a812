#pragma once
// A widget that shows a picture surface at the surface's own size (one screen
// pixel per picture pixel) and reports mouse and key events in picture
// pixels. It repaints whenever the surface is refreshed.
//
// On a scaled screen (device pixel ratio 1.25, 1.5, 2, ...) a picture pixel
// is drawn on the device pixels whose centres fall inside it (nearest
// neighbour, never blurred), and the pointer is reported as the whole pixel
// drawn under it (pixelAt).
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

    // The picture pixel drawn under a pointer at `position` (logical pixels
    // from the canvas's edge) on a screen of the given device pixel ratio:
    // device pixel d shows pixel floor((d + 0.5) / ratio).
    static int pixelAt(qreal position, qreal devicePixelRatio);

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
