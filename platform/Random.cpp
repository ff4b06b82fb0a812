#include "platform/Random.h"

#include <chrono>
#include <cmath>
#include <type_traits>

double Random::next() {
    if (source_)
        return source_();
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void Random::fill(double* out, std::size_t count) {
    if (source_) {
        for (std::size_t i = 0; i < count; ++i)
            out[i] = source_();
        return;
    }
    // uniform_real_distribution<double>(0, 1) over mt19937 takes two 32-bit
    // outputs a, b and gives (a + b * 2^32) rounded to double, times 2^-64,
    // with 1 replaced by the largest double below it. Same steps here.
    static_assert(std::is_same_v<decltype(engine_), std::mt19937>);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t a = engine_();
        const std::uint64_t b = engine_();
        double u = double(a + (b << 32)) * 0x1p-64;
        if (u >= 1.0)
            u = std::nextafter(1.0, 0.0);
        out[i] = u;
    }
}

void Random::seed(std::uint32_t s) {
    source_ = nullptr;
    engine_.seed(s);
}

void Random::reseedFromClock() {
    seed(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}
