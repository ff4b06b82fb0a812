#include "platform/Random.h"

#include <chrono>

double Random::next() {
    if (source_)
        return source_();
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void Random::seed(std::uint32_t s) {
    source_ = nullptr;
    engine_.seed(s);
}

void Random::reseedFromClock() {
    seed(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}
