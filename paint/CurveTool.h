#pragma once
// 13 Curve: a press with no curve under way places the four handles
// imgBezier 0..3 around the point (an S through a 100-pixel square) and shows
// the curve as an exclusive-or preview; dragging the canvas moves the whole
// curve, dragging a handle moves that point. Enter, a double-click or a tool
// change finishes: the preview is removed, the curve drawn in copy mode in
// the foreground colour, the handles hidden and a step recorded.
#include "paint/FigureGeometry.h"
#include "paint/PaintTool.h"
#include "platform/Surface.h"

#include <QObject>
#include <QPointF>

class CurveTool : public QObject, public PaintTool {
public:
    CurveTool(int index, PaintEnv& env) : PaintTool(index, env) {}

    void press(const ToolEvent& e) override;
    void move(const ToolEvent& e) override;
    void finish() override;
    void redrawPending() override;

    bool underWay() const { return underWay_; }
    // Top-left corners of the handles, canvas pixels.
    const Figure::CurvePoints& handles() const { return corners_; }
    // A handle dragged by (dx, dy) pixels, as the handle widgets do.
    void dragHandle(int index, int dx, int dy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawPreview();
    void removePreview();
    void placeHandleWidgets(bool shown);
    void refresh();

    Figure::CurvePoints corners_{};
    bool underWay_ = false;
    bool shown_ = false; // the preview is on the canvas
    XorTrace preview_;
    int grabbed_ = -1;   // handle being dragged
    QPointF grab_;       // press point inside it
    bool filtersInstalled_ = false;
    QRect lastArea_; // canvas area of the last refresh
};
