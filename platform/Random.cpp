#include "platform/Random.h"

#include <chrono>

double Random::next() {
    if (source_)
        return source_();
    // One 32-bit output per number: 2^-32 resolution, always below 1.
    return double(engine_()) * 0x1p-32;
}

void Random::fill(double* out, std::size_t count) {
    if (source_) {
        for (std::size_t i = 0; i < count; ++i)
            out[i] = source_();
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        out[i] = double(engine_()) * 0x1p-32;
}

void Random::seed(std::uint32_t s) { engine_.seed(s); }

void Random::reseedFromClock() {
    seed(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}
