#pragma once
// The figures dragged from press to release: 5 Line, 9 Arrow, 6 Rectangle,
// 7 Ellipse, 11 Rounded Rectangle. While the button is held the figure
// follows the pointer as an exclusive-or preview; each preview is recorded
// as it is drawn and exactly that record is removed before the next one and
// at release, so no remains of it are left whatever the SHIFT / CTRL state
// or point of the release. The final figure is then drawn in copy mode.
#include "paint/PaintTool.h"
#include "platform/Surface.h"

class DragFigureTool : public PaintTool {
public:
    DragFigureTool(int index, PaintEnv& env) : PaintTool(index, env) {}

    void press(const ToolEvent& e) override;
    void move(const ToolEvent& e) override;
    void release(const ToolEvent& e) override;
    void deactivated() override { removePreview(); }

private:
    // The colours and mode of the preview or the final figure.
    void useColors(bool preview);
    // The end point for the pointer at (x, y) under the figure's constraint.
    QPoint constrained(const ToolEvent& e) const;
    // Draws the figure from the start to the end point in the surface's mode.
    void draw();
    void removePreview();
    // The canvas area a figure between the two points can touch.
    QRect reach(QPoint a, QPoint b) const;

    XorTrace preview_;
    QRect previewArea_;
};
