// Paint program speed on a 2000 x 2000 canvas in the real window (offscreen):
//  - a pencil or brush move: the handler's time and the area it repaints,
//    against a plain QPainter::drawLine of the same segment on a QImage;
//  - SetImageBuffer (no pixel copy), Undo and Redo, and the memory of the
//    history ring after many drawn steps, in canvas copies;
//  - a flood fill at 3333 x 3333.
#include "bench/bench_main.h"
#include "bench/bench_timing.h"
#include "paint/PaintHistory.h"
#include "paint/PaintHost.h"
#include "paint/PaintWindow.h"
#include "platform/Canvas.h"
#include "platform/FakeDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSet>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Lets the window repaint: updates are delivered on the platform's update
// timer, so a bare processEvents() would not paint yet.
void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 8)
        QApplication::processEvents(QEventLoop::AllEvents, 8);
}

struct Host : PaintHost {
    QString side = QStringLiteral("2000");
    QString widthText() const override { return side; }
    QString heightText() const override { return side; }
    void pictureSaved(const QString&) override {}
};

// Sums the area of every paint event the canvas receives.
struct PaintMeter : QObject {
    long long area = 0;
    int events = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                area += (long long)r.width() * r.height();
            ++events;
        }
        return false;
    }
};

struct Window {
    FakeDialogs dialogs;
    Host host;
    std::unique_ptr<frmPaint> w;
    PaintMeter meter;
    explicit Window(const char* side = "2000") {
        host.side = QString::fromLatin1(side);
        w = std::make_unique<frmPaint>(host);
        w->resize(1200, 900);
        w->show();
        settle();
        w->picPaint()->installEventFilter(&meter);
    }
    ~Window() { w->state().changed = false; }
    void mouse(QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(p), w->picPaint()->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
        QApplication::sendEvent(w->picPaint(), &e);
    }
};

// One move per iteration along a zigzag of 20-pixel segments; the repaint is
// run outside the timing and its area counted. The press before the moves
// makes the picture the canvas's own (it was shared with the history).
void moves(benchmark::State& state, int tool) {
    Window win;
    win.w->chooseTool(tool);
    win.w->state().dotSize = 3;
    QApplication::processEvents();
    QPoint p(500, 500);
    win.mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    settle();
    win.meter.area = 0;
    win.meter.events = 0;
    long long n = 0;
    for (auto _ : state) {
        // Within the part of the canvas the window shows, so every move paints.
        p += QPoint((n % 2) ? 20 : -5, (n % 2) ? 7 : 20);
        if (p.y() > 700)
            p.setY(100);
        if (p.x() > 900)
            p.setX(100);
        // The handler alone is timed, in this thread's CPU time (steady on a
        // shared machine); the repaint follows untimed.
        const double t0 = benchNowMs(CLOCK_THREAD_CPUTIME_ID);
        win.mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        state.SetIterationTime((benchNowMs(CLOCK_THREAD_CPUTIME_ID) - t0) / 1e3);
        settle();
        ++n;
    }
    win.mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    state.counters["painted_px_per_move"] = double(win.meter.area) / double(std::max<long long>(1, n));
    state.counters["canvas_px"] = 2000.0 * 2000.0;
    state.counters["paint_events"] = win.meter.events;
}

void BM_PencilMove_Window(benchmark::State& state) { moves(state, Tool::Pencil); }
void BM_BrushMove_Window(benchmark::State& state) { moves(state, Tool::Brush); }

// Peer: the same segments with a fresh QPainter::drawLine on a QImage, timed
// the same way, with the same event processing between two lines (so both
// start from the same cache state); and in a tight loop.
void peerLines(benchmark::State& state, bool settleBetween) {
    Window win; // the same window on screen, for the same event traffic
    QImage img(2000, 2000, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPoint p(500, 500);
    long long n = 0;
    for (auto _ : state) {
        QPoint q = p + QPoint((n % 2) ? 20 : -5, (n % 2) ? 7 : 20);
        if (q.y() > 700)
            q.setY(100);
        if (q.x() > 900)
            q.setX(100);
        const double t0 = benchNowMs(CLOCK_THREAD_CPUTIME_ID);
        {
            QPainter painter(&img);
            painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(p, q);
        }
        state.SetIterationTime((benchNowMs(CLOCK_THREAD_CPUTIME_ID) - t0) / 1e3);
        if (settleBetween)
            settle();
        p = q;
        ++n;
    }
    benchmark::DoNotOptimize(img.constBits());
}

void BM_DrawLine_QPainterPeer(benchmark::State& state) { peerLines(state, true); }
void BM_DrawLine_QPainterPeerTightLoop(benchmark::State& state) { peerLines(state, false); }

void BM_SetImageBuffer(benchmark::State& state) {
    Window win;
    long long copied = 0;
    for (auto _ : state) {
        win.w->SetImageBuffer();
        const auto& slot = win.w->history().slot(win.w->history().current());
        copied += slot && slot->picture.constBits() != win.w->canvas().image().constBits();
    }
    state.counters["pixel_copies"] = double(copied);
}

void BM_UndoRedo(benchmark::State& state) {
    Window win;
    for (int i = 0; i < 10; ++i) {
        win.w->canvas().line(0, i * 10, 1999, i * 10);
        win.w->SetImageBuffer();
    }
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            win.w->Undo();
        else
            win.w->Redo();
        undo = !undo;
    }
}

// Twenty drawn steps, each changing the picture: how many distinct pixel
// buffers the ring and the canvas hold, in canvas copies, after a step
// (steady) and in the middle of the next stroke (the canvas detached).
void BM_HistoryMemory(benchmark::State& state) {
    auto distinct = [](Window& win) {
        QSet<const uchar*> buffers;
        for (int s = 0; s < PaintHistory::Slots; ++s)
            if (const auto& slot = win.w->history().slot(s))
                buffers.insert(slot->picture.constBits());
        buffers.insert(win.w->canvas().image().constBits());
        return double(buffers.size());
    };
    for (auto _ : state) {
        Window win;
        for (int i = 0; i < 20; ++i) {
            win.w->canvas().line(0, i, 1999, i);
            win.w->SetImageBuffer();
        }
        state.counters["copies_after_step"] = distinct(win);
        win.w->canvas().line(0, 100, 1999, 100);
        state.counters["copies_mid_stroke"] = distinct(win);
        state.counters["MB_per_copy"] = 2000.0 * 2000 * 4 / 1e6;
    }
}

void BM_FloodFill3333(benchmark::State& state) {
    Surface s(3333, 3333);
    const ColorValue colours[] = {Color::rgb(255, 0, 0), Color::rgb(0, 0, 255)};
    int i = 0;
    for (auto _ : state) {
        s.fillColor = colours[i++ & 1];
        s.fillStyle = Surface::FillSolid;
        s.floodFill(1666, 1666);
    }
}

} // namespace

BENCHMARK(BM_PencilMove_Window)->Unit(benchmark::kMicrosecond)->Iterations(400)->UseManualTime();
BENCHMARK(BM_BrushMove_Window)->Unit(benchmark::kMicrosecond)->Iterations(400)->UseManualTime();
BENCHMARK(BM_DrawLine_QPainterPeer)->Unit(benchmark::kMicrosecond)->Iterations(400)->UseManualTime();
BENCHMARK(BM_DrawLine_QPainterPeerTightLoop)->Unit(benchmark::kMicrosecond)->Iterations(20000)->UseManualTime();
BENCHMARK(BM_SetImageBuffer)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FloodFill3333)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) { return RunQtBenchmarks<QApplication>(argc, argv); }
