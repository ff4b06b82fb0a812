#pragma once
// The paint program's clipboard: its own picture (picClipboard) and the
// system clipboard. Copy puts the picture on both, so other programs can
// paste it; Paste takes a picture from the system clipboard (which is either
// the one copied here or one another program put there since) and falls back
// to its own picture when the system clipboard holds none (text, or no
// clipboard at all).
#include "paint/PaintLayout.h"

#include <QImage>

class PaintClipboard {
public:
    // The largest side a pasted picture keeps; larger pictures are cut to
    // their top-left part (the canvas never grows beyond this either).
    static constexpr int MaxSide = PaintLayout::MaxCanvasSide;

    // Keeps a copy of picture and puts it on the system clipboard.
    void copy(const QImage& picture);
    // The picture Paste takes (RGB32, each side at most MaxSide), or a null
    // image when there is none.
    QImage picture() const;
    // Whether Paste has something to take.
    bool canPaste() const;
    // The picture copied here last (null until the first Copy).
    const QImage& own() const { return own_; }

private:
    QImage own_;
};
