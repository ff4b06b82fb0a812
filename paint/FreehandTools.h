#pragma once
// Factory of the freehand tools: 1 Pick Color, 2 Eraser, 3 Fill, 4 Pencil,
// 10 Air Brush, 16 Brush, 17 Hand. nullptr for any other index.
#include "paint/PaintTool.h"

std::unique_ptr<PaintTool> createFreehandTool(int index, PaintEnv& env);
