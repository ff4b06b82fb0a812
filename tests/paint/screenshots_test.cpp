// Screenshot of the paint window for the documentation: a drawing made with
// the freehand tools through the window's own events. Runs only when
// WISPLET_SCREENSHOTS names an output folder and DISPLAY is an X server
// (QT_QPA_PLATFORM=xcb); skipped otherwise. Writes paint-window.png.
#include "paint_window_fixture.h"

#include "tests/support/Screenshot.h"
#include <cmath>

namespace {

using Screenshots = PaintWindowTest;

TEST_F(Screenshots, PaintWindow) {
    if (!Screenshot::wanted())
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    const QString out = Screenshot::folder();
    host.width = QStringLiteral("420");
    host.height = QStringLiteral("300");
    frmPaint& p = open();
    p.move(20, 20);
    auto colour = [&](int cell) { QTest::mouseClick(child(QStringLiteral("lblColor%1").arg(cell)), Qt::LeftButton); };
    auto dot = [&](int size) {
        QTest::mousePress(child("fraOptDot"), Qt::LeftButton, {}, QPoint((size % 2 ? 450 : 200) / 15, (275 + size / 2 * 250) / 15));
    };

    // A sky, a sun, hills and a path, with pencil, fill, brush and air brush.
    colour(21); // light cyan
    chooseTool(Tool::Fill);
    click({200, 50});
    chooseTool(Tool::Pencil);
    colour(8); // green
    dot(2);
    std::vector<QPoint> hill;
    for (int x = 0; x <= 420; x += 6)
        hill.emplace_back(x, int(200 - 40 * std::sin(x / 70.0)));
    drag(hill);
    chooseTool(Tool::Fill);
    colour(19); // light green
    click({200, 280});
    chooseTool(Tool::Brush);
    colour(7); // yellow
    QTest::mousePress(child("imgBrush1"), Qt::LeftButton);
    dot(5);
    click({340, 60});
    chooseTool(Tool::AirBrush);
    colour(24); // brown
    dot(7);
    std::vector<QPoint> path;
    for (int y = 300; y >= 190; y -= 3)
        path.emplace_back(int(120 + (300 - y) * 0.6 + 10 * std::sin(y / 12.0)), y);
    drag(path);
    chooseTool(Tool::Brush);
    send(p.picPaint(), QEvent::MouseMove, {250, 120}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(Screenshot::grabWindow(&p, out + "/paint-window.png"));
}

} // namespace
