// Whole-number conversions: halves go to the even neighbour.
#include "imaging/Rounding.h"

#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToEven) {
    const struct { double v; int expected; } cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},    {229.5, 230}, {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {100.4, 100}, {102.6, 103}, {1e9 + 0.5, 1000000000}, {-7.49, -7}};
    for (const auto& c : cases) {
        EXPECT_EQ(Rounding::halfEven(c.v), c.expected) << c.v;
        EXPECT_EQ(Rounding::halfEvenSmall(c.v), c.expected) << c.v;
    }
    for (int n = 0; n < 3000; ++n)
        for (const int d : {2, 3, 10, 256})
            ASSERT_EQ(Rounding::divHalfEven(n, d), Rounding::halfEven(double(n) / d)) << n << "/" << d;
    for (int t = -600; t <= 600; ++t)
        ASSERT_EQ(Rounding::halfOfHalfEven(t), Rounding::halfEven(t / 2.0)) << t;
}
