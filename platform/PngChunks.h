#pragma once
// Each PNG chunk gives its length before its data, and the PNG library sets
// that much memory aside at once: a file of a few hundred bytes could ask
// for gigabytes. Readers check the chunks first.
class QIODevice;

// False when a chunk would reach past the end of the device (a damaged
// file); true for anything else, including what is no PNG at all. Leaves
// the device at its start.
bool PngChunksFit(QIODevice& in);
