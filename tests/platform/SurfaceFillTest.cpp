#include "SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);
constexpr ColorValue Grey = Color::rgb(128, 128, 128);

} // namespace

TEST(SurfaceFloodFill, StopsAtAnyColourChange) {
    // A wall one unit away from the area's colour in one component still stops the fill.
    const ColorValue walls[] = {Color::rgb(129, 128, 128), Color::rgb(128, 127, 128), Color::rgb(128, 128, 129),
                                Color::Black, Color::White};
    for (ColorValue wall : walls) {
        Surface s(40, 20, Grey);
        for (int y = 0; y < 20; ++y)
            s.pset(20, y, wall);
        s.fillColor = Red;
        s.fillStyle = Surface::FillSolid;
        s.floodFill(5, 5);
        EXPECT_EQ(countColor(s, Red, QRect(0, 0, 20, 20)), 400) << wall;
        EXPECT_EQ(countColor(s, Grey, QRect(21, 0, 19, 20)), 19 * 20) << wall;
        EXPECT_EQ(s.point(20, 7), qint64(wall));
    }
}

TEST(SurfaceFloodFill, DoesNotCrossDiagonals) {
    // A diagonal line of single pixels separates the two triangles.
    Surface s(30, 30, Color::White);
    for (int i = 0; i < 30; ++i)
        s.pset(i, i, Color::Black);
    s.floodFill(25, 2, Red);
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool upper = x > y;
            red += s.point(x, y) == qint64(Red);
            if (!upper && x != y) {
                EXPECT_EQ(s.point(x, y), qint64(Color::White)) << x << "," << y;
            }
        }
    EXPECT_EQ(red, 30 * 29 / 2);
}

TEST(SurfaceFloodFill, FollowsWindingAreas) {
    // A spiral corridor: the fill must turn back up and down repeatedly.
    Surface s(41, 41, Color::Black);
    const char* maze[] = {
        ".........",
        "#######.#",
        "#.......#",
        "#.#######",
        "#.......#",
        "#######.#",
        "........#",
    };
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 9; ++c)
            if (maze[r][c] == '.')
                s.filledBox(c * 4, r * 4, c * 4 + 3, r * 4 + 3, Color::White);
    const int white = countColor(s, Color::White, s.image().rect());
    s.floodFill(1, 1, Red);
    EXPECT_EQ(countColor(s, Red, s.image().rect()), white);
}

TEST(SurfaceFloodFill, EdgeCases) {
    Surface s(10, 10, Grey);
    // Outside the surface: nothing happens.
    s.floodFill(-1, 3, Red);
    s.floodFill(10, 3, Red);
    EXPECT_EQ(countColor(s, Grey, s.image().rect()), 100);
    // Filling with the area's own colour changes nothing and ends.
    s.floodFill(3, 3, Grey);
    EXPECT_EQ(countColor(s, Grey, s.image().rect()), 100);
    // A single isolated pixel.
    s.pset(4, 4, Color::White);
    s.floodFill(4, 4, Red);
    EXPECT_EQ(s.point(4, 4), qint64(Red));
    EXPECT_EQ(countColor(s, Grey, s.image().rect()), 99);
    // A transparent fill style fills solid.
    Surface t(10, 10, Grey);
    t.fillColor = Red;
    t.fillStyle = Surface::FillTransparent;
    t.floodFill(0, 0);
    EXPECT_EQ(countColor(t, Red, t.image().rect()), 100);
}

TEST(SurfaceFloodFill, HatchMatchesFigureHatchAndKeepsAreaColourBetweenLines) {
    for (int style = Surface::FillHorizontal; style <= Surface::FillDiagonalCross; ++style) {
        Surface filled(37, 29, Grey);
        filled.fillColor = Red;
        filled.fillStyle = style;
        filled.floodFill(10, 10);
        Surface drawn(37, 29, Grey);
        drawn.fillColor = Red;
        drawn.fillStyle = style;
        drawn.foreColor = Grey;
        drawn.box(-5, -5, 50, 50);
        EXPECT_TRUE(sameImage(filled.image(), drawn.image())) << "style " << style;
        const int red = countColor(filled, Red, filled.image().rect());
        EXPECT_GT(red, 0);
        EXPECT_EQ(red + countColor(filled, Grey, filled.image().rect()), 37 * 29);
    }
}

TEST(SurfaceFloodFill, FillsAVeryLargeArea) {
    Surface s(4000, 4000, Color::White);
    s.box(1000, 1000, 3000, 3000); // an island the fill goes around
    s.floodFill(0, 0, Red);
    EXPECT_EQ(s.point(3999, 3999), qint64(Red));
    EXPECT_EQ(s.point(0, 3999), qint64(Red));
    EXPECT_EQ(s.point(2000, 2000), qint64(Color::White)); // inside the island
    EXPECT_EQ(s.point(1000, 2000), qint64(Color::Black));
    // A comb: one column in two blocked from alternating sides, the worst
    // case for the number of pending runs.
    Surface c(4000, 4000, Color::White);
    for (int y = 0; y < 4000; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(c.image().scanLine(y));
        for (int x = 1; x < 4000; x += 2)
            if ((x / 2) % 2 ? y > 0 : y < 3999)
                row[x] = Color::toRgb(Color::Black);
    }
    c.fillColor = Red;
    c.fillStyle = Surface::FillDiagonalCross;
    c.floodFill(0, 0);
    // The last corridor is reached and hatched over its whole length.
    EXPECT_GT(countColor(c, Red, QRect(3998, 0, 1, 4000)), 4000 / 8);
    EXPECT_GT(countColor(c, Red, QRect(3998, 3000, 1, 1000)), 1000 / 8);
}
