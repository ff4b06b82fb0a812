#pragma once
// Factory of the figure tools: 5 Line, 6 Rectangle, 7 Ellipse, 9 Arrow,
// 11 Rounded Rectangle, 12 Polygon, 13 Curve, 14 Filter Brush, 15 Zoom.
// nullptr for any other index, or for a tool not built yet.
#include "paint/PaintTool.h"

std::unique_ptr<PaintTool> createFigureTool(int index, PaintEnv& env);
