#pragma once
// 12 Polygon: the first press starts the polygon; each later press adds a
// vertex at the press point and shows the edge to it; while the button is
// held the newest vertex follows the pointer (dragging from the first press
// makes the second vertex); double-click or Enter finishes. The edges are
// exclusive-or previews, each recorded as drawn, so finishing removes exactly
// them before the polygon is drawn in copy mode with its fill mode.
#include "paint/PaintTool.h"
#include "platform/Surface.h"

#include <vector>

class PolygonTool : public PaintTool {
public:
    PolygonTool(int index, PaintEnv& env) : PaintTool(index, env) {}

    void press(const ToolEvent& e) override;
    void move(const ToolEvent& e) override;
    void finish() override;
    void redrawPending() override;

private:
    // Draws the edge into vertex `to` (from the one before) as a recorded preview.
    void drawEdge(std::size_t to);
    void removeEdges();
    void refresh();

    std::vector<XorTrace> edges_; // edges_[i]: the edge into vertex i + 1
    bool shown_ = true;           // whether the edges are on the canvas
};
