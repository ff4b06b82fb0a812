#pragma once
// Commands of the paint program that work through PaintEnv only, so tests
// can run them on a bare environment.
#include <QString>

class PaintEnv;

namespace PaintCommands {

// The box side for the canvas from a width or height text, in pixels: the
// text as a decimal number (blanks around it allowed), rounded halves to
// even and kept within 1..3333. Throws AppError "Type mismatch" for a text
// that is not a number.
int boxSide(const QString& text);

// The reset part of New: back to 100 %, a blank canvas of the same size, the
// changed flag off, no polygon, curve handles and selection hidden, the
// history holding only the blank canvas, Undo, Redo, Cut, Copy, Delete and
// Crop disabled. With keepPicture (opening a picture already put on the
// canvas) the canvas is not cleared and the zoom reference shares it.
void resetForNew(PaintEnv& env, bool keepPicture = false);

// One geometric effect on the canvas (mode 2 scales both sides by factor,
// mode 3 rotates clockwise by angle degrees). A scale whose result would
// pass 50000 twips on a side is skipped: returns false.
bool runEffectOnCanvas(PaintEnv& env, int mode, float factor, float angle);

} // namespace PaintCommands
