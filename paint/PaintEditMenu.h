#pragma once
// Wiring of the Edit menu's Cut, Copy, Paste, Delete, Crop and Select All
// (mnuCut ... mnuSelectAll) and of Format > Font (mnuFont). Called once when
// the window opens, after the menus and the tools exist; it may install the
// selection hooks of PaintHooks. Undo and Redo are the window's own. Items
// it does not wire stay disabled.
class PaintEnv;
class PaintMenus;

void wirePaintEdit(PaintMenus& menus, PaintEnv& env);
