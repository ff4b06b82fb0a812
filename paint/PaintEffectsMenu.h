#pragma once
// Wiring of the Effect and Filter menus, Help > About and the filter-tool
// popup (mnuTFilter) of the paint window. Called once when the window opens,
// after the menus and the tools exist; it connects the items of those menus
// and may install hooks (zoom view, RunEffect). Items it does not wire stay
// disabled.
class PaintEnv;
class PaintMenus;

void wirePaintEffects(PaintMenus& menus, PaintEnv& env);
