#pragma once
// A paint environment with real canvas, selection and text-box widgets and
// the real menu table, but no paint window: enough to drive the Select Area
// and Text tools and the Edit menu as the window would.
#include "imaging/Effect.h"
#include "imaging/Filter.h"
#include "paint/PaintEditMenu.h"
#include "paint/PaintEnv.h"
#include "paint/PaintHistory.h"
#include "paint/PaintMenus.h"
#include "paint/PaintTool.h"
#include "paint/SelectionTools.h"
#include "platform/Canvas.h"
#include "platform/Surface.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <memory>

class SelectionFakeEnv : public PaintEnv, public EffectHost {
public:
    // The surfaces outlive the widgets that show them.
    Surface surface{80, 60};
    Surface floating;
    Surface zoom, scratch, clip;
    QWidget win;
    QMenuBar* bar = new QMenuBar(&win);
    PaintState st;
    PaintHistory hist;
    PaintHooks hk;
    SurfaceCanvas* canvasWidget = new SurfaceCanvas(&surface, &win);
    SurfaceCanvas* selectWidget = new SurfaceCanvas(&floating, canvasWidget);
    QLineEdit* text = new QLineEdit(canvasWidget);
    std::unique_ptr<PaintMenus> menus;
    std::unique_ptr<PaintTool> tools[Tool::Count];
    int steps = 0;
    int colorChanges = 0;
    QStringList errors;
    // What RedrawPendingFigure does (a pending figure's preview, drawn twice
    // it disappears); nothing by default.
    std::function<void()> pending;

    SelectionFakeEnv() {
        win.resize(300, 240);
        canvasWidget->move(0, 30);
        selectWidget->hide();
        text->hide();
        text->setObjectName(QStringLiteral("txtText"));
        canvasWidget->setObjectName(QStringLiteral("picPaint"));
        selectWidget->setObjectName(QStringLiteral("picSelect"));
        menus = std::make_unique<PaintMenus>(bar, &win);
        for (int i : {int(Tool::SelectArea), int(Tool::Text)})
            tools[i] = createSelectionTool(i, *this);
        wirePaintEdit(*menus, *this);
        hist.reset(surface.image());
        // Mouse events on the canvas widget as the window routes them.
        QObject::connect(canvasWidget, &SurfaceCanvas::mousePressed, &win, [this](const CanvasMouse& m) {
            if (m.button == Qt::LeftButton)
                press(int(std::nearbyint(m.x)), int(std::nearbyint(m.y)), m.shift, m.ctrl);
        });
        QObject::connect(canvasWidget, &SurfaceCanvas::mouseReleased, &win, [this](const CanvasMouse& m) {
            if (m.button == Qt::LeftButton && st.pressed)
                release(int(std::nearbyint(m.x)), int(std::nearbyint(m.y)), m.shift, m.ctrl);
        });
        win.show();
    }

    QAction* action(const char* name) { return menus->action(QLatin1String(name)); }
    PaintTool* tool() { return tools[st.tool].get(); }

    // The window's canvas event handling around the tool.
    static ToolEvent event(int x, int y, Qt::MouseButton b = Qt::LeftButton, bool shift = false, bool ctrl = false) {
        ToolEvent e;
        e.x = x;
        e.y = y;
        e.fx = x;
        e.fy = y;
        e.button = b;
        e.buttons = b;
        e.shift = shift;
        e.ctrl = ctrl;
        return e;
    }
    void press(int x, int y, bool shift = false, bool ctrl = false) {
        st.pressed = true;
        st.start = QPoint(x, y);
        if (tool())
            tool()->press(event(x, y, Qt::LeftButton, shift, ctrl));
    }
    void drag(int x, int y, bool shift = false, bool ctrl = false) {
        if (st.pressed && tool())
            tool()->move(event(x, y, Qt::NoButton, shift, ctrl));
    }
    void release(int x, int y, bool shift = false, bool ctrl = false) {
        st.end = QPoint(x, y);
        if (tool())
            tool()->release(event(x, y, Qt::LeftButton, shift, ctrl));
        st.pressed = false;
        if (tool() && tool()->recordsOnRelease())
            SetImageBuffer();
    }
    void dragSelect(QPoint a, QPoint b, bool shift = false) {
        chooseTool(Tool::SelectArea);
        press(a.x(), a.y(), shift);
        drag((a.x() + b.x()) / 2, (a.y() + b.y()) / 2, shift);
        drag(b.x(), b.y(), shift);
        release(b.x(), b.y(), shift);
    }

    // --- PaintEnv -----------------------------------------------------------
    Surface& canvas() override { return surface; }
    PaintState& state() override { return st; }
    PaintHistory& history() override { return hist; }
    PaintHooks& hooks() override { return hk; }
    Surface& picZoom() override { return zoom; }
    Surface& picImageEffect() override { return scratch; }
    Surface& picClipboard() override { return clip; }
    void SetImageBuffer() override {
        hist.record(surface.image());
        st.changed = true;
        ++steps;
    }
    void UpdateStatusBar(int, double, double, int, bool) override {}
    void ShowErrorMessage(int, const QString& description) override { errors << description; }
    void refreshCanvas(const QRect& = QRect()) override { canvasWidget->syncToSurface(); }
    void AdjustPaintResizeBox() override {}
    void Form_Resize() override {}
    void ZoomImage(double, double, bool) override {}
    void RunEffect(int, float, float) override {}
    void setToolCursor(const QString&) override {}
    void FinishFigure() override {
        if (tool())
            tool()->finish();
    }
    void RedrawPendingFigure() override {
        if (pending)
            pending();
    }
    void colorsChanged() override { ++colorChanges; }
    void chooseTool(int index) override {
        if (index == st.tool)
            return;
        if (tool()) {
            tool()->finish();
            tool()->deactivated();
        }
        st.tool = index;
        if (tool())
            tool()->activated();
    }
    void setActionEnabled(const char* name, bool enabled) override {
        if (QAction* a = action(name))
            a->setEnabled(enabled);
    }
    EffectHost& effectHost() override { return *this; }
    mdlFilter::FilterContext filterContext() override { return {}; }
    QPoint canvasPlace() const override { return QPoint(); }
    ScrollState hScroll() const override { return {}; }
    ScrollState vScroll() const override { return {}; }
    void setHScrollValue(int) override {}
    void setVScrollValue(int) override {}
    PaintMetrics metrics() const override { return {}; }
    QWidget* window() override { return &win; }
    SurfaceCanvas* picPaint() override { return canvasWidget; }
    QWidget* imgBezier(int) override { return nullptr; }
    SurfaceCanvas* picSelect() override { return selectWidget; }
    Surface& selectSurface() override { return floating; }
    QLineEdit* txtText() override { return text; }

    // --- EffectHost ---------------------------------------------------------
    void DrawSelectionRect() override {
        if (hk.drawSelectionRect)
            hk.drawSelectionRect();
    }
    void refresh() override {}
};
