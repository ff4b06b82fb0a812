// The figure tools' factory, with the two small tools that only call into
// their modules: 14 Filter Brush (the filter tool under the pointer; the
// window pops the filter-tool menu up when it is chosen) and 15 Zoom (a
// click zooms in, CTRL+click out).
#include "paint/FigureTools.h"

#include "paint/CurveTool.h"
#include "paint/DragFigureTools.h"
#include "paint/PaintEffects.h"
#include "paint/PaintEnv.h"
#include "paint/PolygonTool.h"
#include "paint/ZoomView.h"

namespace {

class FilterBrushTool : public PaintTool {
public:
    using PaintTool::PaintTool;

    void press(const ToolEvent& e) override { apply(e); }
    void move(const ToolEvent& e) override { apply(e); }

private:
    void apply(const ToolEvent& e) {
        PaintEffects::RunFilter(env(), env().state().filterTool, e.x, e.y);
        const int d = env().state().dotSize;
        env().refreshCanvas(QRect(e.x - d, e.y - d, 2 * d + 1, 2 * d + 1));
    }
};

class ZoomTool : public PaintTool {
public:
    using PaintTool::PaintTool;

    // The reference is taken on choosing the tool (only at 100 %).
    void activated() override { ZoomView::TakeReference(env()); }
    void release(const ToolEvent& e) override { ZoomView::Click(env(), e.x, e.y, e.ctrl); }
};

} // namespace

std::unique_ptr<PaintTool> createFigureTool(int index, PaintEnv& env) {
    switch (index) {
    case Tool::Line:
    case Tool::Rectangle:
    case Tool::Ellipse:
    case Tool::Arrow:
    case Tool::RoundedRectangle:
        return std::make_unique<DragFigureTool>(index, env);
    case Tool::Polygon:
        return std::make_unique<PolygonTool>(index, env);
    case Tool::Curve:
        return std::make_unique<CurveTool>(index, env);
    case Tool::FilterBrush:
        return std::make_unique<FilterBrushTool>(index, env);
    case Tool::Zoom:
        return std::make_unique<ZoomTool>(index, env);
    default:
        return nullptr;
    }
}
