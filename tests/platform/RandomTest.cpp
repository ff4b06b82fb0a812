#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {

TEST(Random, ReseedingKeepsAnInstalledSource) {
    Random r;
    r.setSource([] { return 0.25; });
    r.reseedFromClock();
    EXPECT_TRUE(r.hasSource());
    EXPECT_EQ(r.next(), 0.25);
    r.seed(7);
    EXPECT_EQ(r.next(), 0.25);
    r.setSource(nullptr);
    EXPECT_FALSE(r.hasSource());
}

TEST(Random, SeedGivesTheSameNumbersAndStaysBelowOne) {
    Random a, b;
    a.seed(99);
    b.seed(99);
    for (int i = 0; i < 1000; ++i) {
        const double v = a.next();
        ASSERT_EQ(v, b.next());
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

} // namespace
