#pragma once
// Factory of the selection tools: 0 Select Area and 8 Text. nullptr for any
// other index, or for a tool not built yet.
#include "paint/PaintTool.h"

std::unique_ptr<PaintTool> createSelectionTool(int index, PaintEnv& env);
