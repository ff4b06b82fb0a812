#pragma once
// The one shared uniform generator of values in [0, 1). Seedable for tests;
// reseedFromClock() is what the program does where a window says so.
#include <cstdint>
#include <functional>
#include <random>

class Random {
public:
    double next();                 // uniform in [0, 1)
    void seed(std::uint32_t s);
    void reseedFromClock();
    // Tests may replace the source of numbers entirely (each call must return [0, 1)).
    void setSource(std::function<double()> source) { source_ = std::move(source); }

private:
    std::mt19937 engine_{12345u};
    std::function<double()> source_;
};
