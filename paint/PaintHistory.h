#pragma once
// The paint window's history: a ring of eleven slots (0..10) holding the
// pictures of up to ten steps that can be undone. Widget-free.
//
// A slot keeps its picture (implicitly shared with the canvas that was
// recorded, so recording copies no pixels) and the picture's width and height
// as numbers. Indexes: current (the step shown), newest (the last recorded)
// and oldest (the furthest Undo can go).
#include <QImage>
#include <array>
#include <optional>

class PaintHistory {
public:
    static constexpr int Slots = 11;

    struct Step {
        QImage picture;
        int width = 0;  // pixels
        int height = 0;
    };

    // Empties the history and stores `picture` as its only step (slot 0).
    void reset(const QImage& picture);
    // Records `picture` as a new step after the current one: the steps after
    // current are lost and, once the ring is full, the oldest is overwritten.
    // The indexes advance only after the picture is stored; a failure (no
    // memory for the slot) throws and leaves the history as it was.
    void record(const QImage& picture);
    // Steps back / forward; nothing (and no change) at the limits.
    std::optional<Step> undo();
    std::optional<Step> redo();

    bool canUndo() const { return current_ != oldest_; }
    bool canRedo() const { return current_ != newest_; }
    int current() const { return current_; }
    int newest() const { return newest_; }
    int oldest() const { return oldest_; }
    // Slots holding a picture (1 after reset, up to 11).
    int used() const;
    const std::optional<Step>& slot(int index) const { return slots_[size_t(index)]; }

    static int next(int index) { return index >= Slots - 1 ? 0 : index + 1; }
    static int previous(int index) { return index < 1 ? Slots - 1 : index - 1; }

private:
    std::array<std::optional<Step>, Slots> slots_;
    int current_ = 0;
    int newest_ = 0;
    int oldest_ = 0;
};
