// Draws with each figure tool, the filter brush and a few Effect and Filter
// menu commands in the real paint window, as a user would with the mouse,
// and lays the canvases out with their names: a visual check of the tools.
#include "paint/PaintHost.h"
#include "paint/PaintMenus.h"
#include "paint/PaintState.h"
#include "paint/PaintWindow.h"
#include "platform/Canvas.h"
#include "platform/Surface.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int CellW = 180, CellH = 126, LabelH = 22, Gap = 10, Columns = 5;

struct SheetHost : PaintHost {
    QString widthText() const override { return QString::number(CellW); }
    QString heightText() const override { return QString::number(CellH); }
    void pictureSaved(const QString&) override {}
};

struct Mouse {
    frmPaint& w;
    void send(QEvent::Type type, QPoint p, bool held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* c = w.picPaint();
        QMouseEvent e(type, QPointF(p), c->mapToGlobal(QPointF(p)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held ? Qt::LeftButton : Qt::NoButton, mods);
        QApplication::sendEvent(c, &e);
    }
    void drag(std::vector<QPoint> points, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        send(QEvent::MouseButtonPress, points.front(), true, mods);
        for (std::size_t i = 1; i < points.size(); ++i)
            send(QEvent::MouseMove, points[i], true, mods);
        send(QEvent::MouseButtonRelease, points.back(), false, mods);
    }
    void doubleClick(QPoint p) { send(QEvent::MouseButtonDblClick, p, true); }
};

// A small picture for the effects and filters to work on.
void samplePicture(frmPaint& w) {
    Surface& s = w.canvas();
    s.drawMode = Surface::DrawCopy;
    for (int y = 0; y < CellH; ++y)
        for (int x = 0; x < CellW; ++x)
            s.pset(x, y, Color::rgb(255 - x, 120 + y, 90 + (x + y) / 3));
    s.fillStyle = Surface::FillSolid;
    s.fillColor = Color::rgb(40, 60, 160);
    s.drawWidth = 3;
    s.foreColor = Color::rgb(250, 220, 60);
    s.circle(90, 63, 40);
    s.refresh();
}

struct Cell {
    const char* name;
    std::function<void(frmPaint&, Mouse&)> draw;
};

void trigger(frmPaint& w, const char* action) {
    if (QAction* a = w.menus().action(QLatin1String(action)))
        a->trigger();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral(WISPLET_SOURCE_DIR "/docs/paint-tools.png");

    auto style = [](frmPaint& w, int dot, int fillMode, int fillStyle, ColorValue fore, ColorValue fill) {
        w.state().dotSize = dot;
        w.state().fillMode = fillMode;
        w.state().fillStyle = fillStyle;
        w.state().foreColor = fore;
        w.state().fillColor = fill;
    };
    const ColorValue navy = Color::rgb(32, 40, 96), gold = Color::rgb(255, 200, 80), sky = Color::rgb(120, 180, 255);
    const std::vector<Cell> cells = {
        {"Line (Shift: 45 degrees)", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Line);
             style(w, 2, 0, 0, navy, gold);
             m.drag({{20, 100}, {160, 30}});
             m.drag({{20, 20}, {90, 70}}, Qt::ShiftModifier);
         }},
        {"Arrow", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Arrow);
             style(w, 1, 0, 0, navy, gold);
             m.drag({{20, 100}, {160, 30}});
             m.drag({{20, 30}, {120, 30}}, Qt::ControlModifier);
         }},
        {"Rectangle, outline", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Rectangle);
             style(w, 3, 0, 0, navy, gold);
             m.drag({{20, 20}, {160, 106}});
         }},
        {"Rectangle, cross fill", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Rectangle);
             style(w, 1, 1, Surface::FillCross, navy, sky);
             m.drag({{20, 20}, {160, 106}});
         }},
        {"Rounded rectangle, fill only", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::RoundedRectangle);
             style(w, 1, 2, Surface::FillSolid, navy, gold);
             m.drag({{20, 20}, {160, 106}});
         }},
        {"Ellipse and circle", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Ellipse);
             style(w, 2, 1, Surface::FillSolid, navy, sky);
             m.drag({{10, 30}, {110, 100}});
             m.drag({{120, 20}, {170, 100}}, Qt::ShiftModifier);
         }},
        {"Polygon", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Polygon);
             style(w, 1, 1, Surface::FillDiagonalCross, navy, Color::rgb(200, 60, 60));
             m.drag({{20, 100}, {90, 15}});
             m.drag({{160, 100}});
             m.drag({{90, 70}});
             m.doubleClick({90, 70});
         }},
        {"Curve", [&](frmPaint& w, Mouse& m) {
             w.chooseTool(Tool::Curve);
             style(w, 2, 0, 0, navy, gold);
             m.drag({{90, 63}, {90, 63}});
             w.FinishFigure();
         }},
        {"Filter brush: Light", [&](frmPaint& w, Mouse& m) {
             samplePicture(w);
             w.chooseTool(Tool::FilterBrush);
             trigger(w, "mnuFilterTools2");
             style(w, 7, 0, 0, navy, gold);
             std::vector<QPoint> path;
             for (int x = 10; x < 170; x += 2)
                 path.push_back({x, 63 + (x % 40) - 20});
             for (int i = 0; i < 12; ++i)
                 m.drag(path);
         }},
        {"Rotate 45 (clockwise)", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             trigger(w, "mnuRotate45");
         }},
        {"Flip horizontal", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             w.canvas().filledBox(0, 0, 40, 125, navy);
             trigger(w, "mnuFlipHorizontal");
         }},
        {"Emboss", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             trigger(w, "mnuFilters6");
         }},
        {"Wave", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             trigger(w, "mnuFilters13");
         }},
        {"Diffuse", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             trigger(w, "mnuFilters5");
         }},
        {"Invert Colors", [&](frmPaint& w, Mouse&) {
             samplePicture(w);
             trigger(w, "mnuFilters9");
         }},
    };

    const int rows = int((cells.size() + Columns - 1) / Columns);
    QImage sheet(Gap + Columns * (CellW + Gap), Gap + rows * (CellH + LabelH + Gap), QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    SheetHost host;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        frmPaint w(host);
        w.show();
        Mouse mouse{w};
        cells[i].draw(w, mouse);
        w.chooseTool(Tool::Pencil); // finishes what is pending, back to 100 %
        const int x = Gap + int(i % Columns) * (CellW + Gap);
        const int y = Gap + int(i / Columns) * (CellH + LabelH + Gap);
        p.drawImage(x, y, w.canvas().image());
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + CellH, CellW, LabelH), Qt::AlignCenter, QString::fromLatin1(cells[i].name));
        w.state().changed = false; // nothing to ask when it closes
    }
    p.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
