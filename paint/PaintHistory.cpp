#include "paint/PaintHistory.h"

#include "platform/AppError.h"

void PaintHistory::reset(const QImage& picture) {
    Step first{picture, picture.width(), picture.height()};
    for (auto& s : slots_)
        s.reset();
    slots_[0] = std::move(first);
    current_ = newest_ = oldest_ = 0;
}

void PaintHistory::record(const QImage& picture) {
    if (picture.isNull())
        throw AppError(7, QStringLiteral("Out of memory"));
    const int at = next(current_);
    slots_[size_t(at)] = Step{picture, picture.width(), picture.height()};
    current_ = at;
    newest_ = at;
    if (current_ == oldest_)
        oldest_ = next(oldest_);
}

std::optional<PaintHistory::Step> PaintHistory::undo() {
    if (!canUndo())
        return std::nullopt;
    current_ = previous(current_);
    return slots_[size_t(current_)];
}

std::optional<PaintHistory::Step> PaintHistory::redo() {
    if (!canRedo())
        return std::nullopt;
    current_ = next(current_);
    return slots_[size_t(current_)];
}

int PaintHistory::used() const {
    int n = 0;
    for (const auto& s : slots_)
        n += s.has_value() ? 1 : 0;
    return n;
}
