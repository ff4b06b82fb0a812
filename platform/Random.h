#pragma once
// The one shared uniform generator of values in [0, 1). Seedable for tests;
// reseedFromClock() is what the program does where a window says so.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>

class Random {
public:
    double next();                 // uniform in [0, 1)
    // count values, exactly what count calls of next() would give, faster
    // (for pixel loops that draw millions of numbers).
    void fill(double* out, std::size_t count);
    // Reseeding sets the generator's own engine; an installed source stays in
    // force (a test that installed one keeps its numbers).
    void seed(std::uint32_t s);
    void reseedFromClock();
    // Tests may replace the source of numbers entirely (each call must return
    // [0, 1)); nullptr returns to the engine.
    void setSource(std::function<double()> source) { source_ = std::move(source); }
    bool hasSource() const { return bool(source_); }

private:
    std::mt19937 engine_{12345u};
    std::function<double()> source_;
};
