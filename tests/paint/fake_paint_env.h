#pragma once
// A paint environment without a window: the canvas and hidden surfaces,
// the editor state and history, and counters of what the window would do.
// For testing tools and commands widget-free.
#include "imaging/Effect.h"
#include "imaging/Filter.h"
#include "paint/PaintEnv.h"
#include "paint/PaintHistory.h"
#include "paint/PaintTool.h"
#include "platform/Surface.h"

#include <stdexcept>

struct FakePaintEnv : PaintEnv {
    struct Host : EffectHost {
        FakePaintEnv& env;
        bool throwOnMarquee = false; // a failure inside an effect
        explicit Host(FakePaintEnv& e) : env(e) {}
        void DrawSelectionRect() override {
            if (throwOnMarquee)
                throw std::runtime_error("marquee failed");
        }
        void AdjustPaintResizeBox() override {}
        void Form_Resize() override {}
        void refresh() override {}
        void ShowErrorMessage(int code, const QString& d) override { env.ShowErrorMessage(code, d); }
    };

    Surface canvas_{300, 200}, zoom_, effect_, clipboard_, select_{40, 30};
    PaintState state_;
    PaintHistory history_;
    PaintHooks hooks_;
    Host host_{*this};
    PaintTool* tool = nullptr; // FinishFigure / RedrawPendingFigure go to it
    ScrollState h_, v_;
    PaintMetrics metrics_;
    int records = 0, refreshes = 0;
    QStringList errors;
    std::vector<int> percentages; // of the filter progress

    FakePaintEnv() { history_.reset(canvas_.image()); }

    Surface& canvas() override { return canvas_; }
    PaintState& state() override { return state_; }
    PaintHistory& history() override { return history_; }
    PaintHooks& hooks() override { return hooks_; }
    Surface& picZoom() override { return zoom_; }
    Surface& picImageEffect() override { return effect_; }
    Surface& picClipboard() override { return clipboard_; }
    void SetImageBuffer() override {
        history_.record(canvas_.image());
        ++records;
        state_.changed = true;
    }
    void UpdateStatusBar(int info, double, double, int percentage, bool) override {
        if (info == mdlFilter::InfoFiltering)
            percentages.push_back(percentage);
    }
    void ShowErrorMessage(int, const QString& d) override { errors << d; }
    void refreshCanvas(const QRect& = QRect()) override { ++refreshes; }
    void AdjustPaintResizeBox() override {}
    void Form_Resize() override {}
    void ZoomImage(double fx, double fy, bool reset) override {
        if (hooks_.zoomImage)
            hooks_.zoomImage(fx, fy, reset);
    }
    void RunEffect(int mode, float factor, float angle) override {
        if (hooks_.runEffect)
            hooks_.runEffect(mode, factor, angle);
    }
    void setToolCursor(const QString&) override {}
    void FinishFigure() override {
        if (tool)
            tool->finish();
    }
    void RedrawPendingFigure() override {
        if (tool)
            tool->redrawPending();
    }
    void colorsChanged() override {}
    void chooseTool(int index) override { state_.tool = index; }
    void setActionEnabled(const char*, bool) override {}
    EffectHost& effectHost() override { return host_; }
    mdlFilter::FilterContext filterContext() override {
        mdlFilter::FilterContext c;
        c.UpdateStatusBar = [this](int info, int p) { UpdateStatusBar(info, 0, 0, p, false); };
        c.ShowErrorMessage = [this](const QString& d) { ShowErrorMessage(0, d); };
        return c;
    }
    QPoint canvasPlace() const override { return {855, 0}; }
    ScrollState hScroll() const override { return h_; }
    ScrollState vScroll() const override { return v_; }
    void setHScrollValue(int value) override { h_.value = std::clamp(value, h_.minimum, h_.maximum); }
    void setVScrollValue(int value) override { v_.value = std::clamp(value, v_.minimum, v_.maximum); }
    PaintMetrics metrics() const override { return metrics_; }
    QWidget* window() override { return nullptr; }
    SurfaceCanvas* picPaint() override { return nullptr; }
    QWidget* imgBezier(int) override { return nullptr; }
    SurfaceCanvas* picSelect() override { return nullptr; }
    Surface& selectSurface() override { return select_; }
    QLineEdit* txtText() override { return nullptr; }

    // What the window does around a tool's press: the start point and the pen.
    void press(PaintTool& t, QPoint p, bool shift = false, bool ctrl = false) {
        state_.pressed = true;
        state_.start = p;
        canvas_.drawStyle = state_.borderStyle;
        canvas_.drawWidth = state_.lineWidth();
        t.press(event(p, shift, ctrl));
    }
    void move(PaintTool& t, QPoint p, bool shift = false, bool ctrl = false) { t.move(event(p, shift, ctrl)); }
    void release(PaintTool& t, QPoint p, bool shift = false, bool ctrl = false) {
        state_.end = p;
        t.release(event(p, shift, ctrl));
        state_.pressed = false;
        if (t.recordsOnRelease())
            SetImageBuffer();
    }
    static ToolEvent event(QPoint p, bool shift, bool ctrl) {
        ToolEvent e;
        e.x = p.x();
        e.y = p.y();
        e.fx = p.x();
        e.fy = p.y();
        e.button = Qt::LeftButton;
        e.buttons = Qt::LeftButton;
        e.shift = shift;
        e.ctrl = ctrl;
        return e;
    }
};
