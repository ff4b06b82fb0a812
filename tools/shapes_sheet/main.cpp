// Renders all predefined shapes, each on its own canvas with its name below,
// into one PNG: a quick visual check of the catalogue and the renderer.
#include "platform/Surface.h"
#include "shapes/ShapeCatalogue.h"
#include "shapes/ShapeRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral(WISPLET_SOURCE_DIR "/docs/shapes.png");

    constexpr int Columns = 8, CellW = 180, CellH = 126, LabelH = 22, Gap = 10;
    const QStringList& names = ShapeCatalogue::names();
    const int rows = int((names.size() + Columns - 1) / Columns);
    QImage sheet(Gap + Columns * (CellW + Gap), Gap + rows * (CellH + LabelH + Gap), QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));

    // A few fill colours in turn, dark border of width 2.
    const ColorValue fills[] = {Color::rgb(255, 214, 102), Color::rgb(153, 204, 255), Color::rgb(178, 226, 160),
                                Color::rgb(255, 170, 170), Color::rgb(214, 190, 245)};
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        Surface canvas(CellW, CellH, Color::White);
        DrawShape(names[i], canvas, Color::rgb(32, 40, 64), fills[i % std::size(fills)], 2);
        const int x = Gap + (i % Columns) * (CellW + Gap);
        const int y = Gap + (i / Columns) * (CellH + LabelH + Gap);
        p.drawImage(x, y, canvas.image());
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + CellH, CellW, LabelH), Qt::AlignCenter, QString::number(i) + "  " + names[i]);
    }
    p.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "shapes_sheet: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
