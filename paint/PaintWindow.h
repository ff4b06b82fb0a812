#pragma once
// The paint window frmPaint ("Customized shapes "): a modal paint program
// whose canvas starts blank at the box's size and is saved into the
// personal category. The window is thin: it owns the widgets, the surfaces,
// the state and the tools, and forwards events to the tools and commands.
//   PaintWindowLayout.cpp   widgets, Form_Resize, handles, scrolling
//   PaintWindowEvents.cpp   canvas, tool, pane and palette events, cursor
//   PaintWindowCommands.cpp opening, history, File and Format commands,
//                           status bar and error reporter
//   PaintWindowOpen.cpp     File Open, a picture dropped on the canvas
#include "imaging/Effect.h"
#include "paint/PaintEnv.h"
#include "paint/PaintHistory.h"
#include "paint/PaintTool.h"
#include "platform/AppError.h"
#include "platform/Surface.h"

#include <QDialog>
#include <array>
#include <memory>

class PaintHost;
class PaintMenus;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QScrollBar;
class QToolButton;
class ResizeHandle;
class SurfaceCanvas;
struct CanvasMouse;
struct CanvasKey;
namespace PaintWidgets {
class Pane;
class ColorCell;
} // namespace PaintWidgets

class frmPaint : public QDialog, public PaintEnv, public EffectHost {
    Q_OBJECT
public:
    // Runs the opening sequence: blank canvas at the design size, then at the
    // host's width x height (two history steps), the Pencil.
    explicit frmPaint(PaintHost& host, QWidget* parent = nullptr);
    ~frmPaint() override;

    // --- PaintEnv ---
    Surface& canvas() override { return canvas_; }
    PaintState& state() override { return state_; }
    PaintHistory& history() override { return history_; }
    PaintHooks& hooks() override { return hooks_; }
    Surface& picZoom() override { return zoom_; }
    Surface& picImageEffect() override { return imageEffect_; }
    Surface& picClipboard() override { return clipboard_; }
    void SetImageBuffer() override;
    void UpdateStatusBar(int info, double x, double y, int percentage, bool clear) override;
    void ShowErrorMessage(int code, const QString& description) override;
    void refreshCanvas(const QRect& area = QRect()) override;
    void AdjustPaintResizeBox() override;
    void Form_Resize() override;
    void ZoomImage(double fx, double fy, bool reset) override;
    void RunEffect(int mode, float factor, float angle) override;
    void setToolCursor(const QString& file) override;
    void FinishFigure() override;
    void RedrawPendingFigure() override;
    void colorsChanged() override { updateColorSwatches(); }
    void chooseTool(int index) override;
    void setActionEnabled(const char* name, bool enabled) override;
    EffectHost& effectHost() override { return *this; }
    mdlFilter::FilterContext filterContext() override;
    QPoint canvasPlace() const override;
    ScrollState hScroll() const override;
    ScrollState vScroll() const override;
    void setHScrollValue(int value) override;
    void setVScrollValue(int value) override;
    PaintMetrics metrics() const override;
    QWidget* window() override { return this; }
    SurfaceCanvas* picPaint() override { return picPaint_; }
    QWidget* imgBezier(int index) override;
    SurfaceCanvas* picSelect() override { return picSelect_; }
    Surface& selectSurface() override { return select_; }
    QLineEdit* txtText() override { return txtText_; }

    // --- EffectHost ---
    void DrawSelectionRect() override;
    void refresh() override { refreshCanvas(); }

    // --- commands ---
    void ResetImageBuffer();
    void Undo();
    void Redo();
    void New();
    // Returns true when the picture was written.
    bool Save();
    // File > Open...: asks for a picture file and opens it.
    void Open();
    // Opens a picture file on the canvas (the canvas takes its size, the
    // history starts anew with it); asks first about unsaved changes, as New
    // does. Returns true when the picture is shown.
    bool openPicture(const QString& path);
    // The name Save proposes (the opened picture's base name, or the name it
    // was last saved under); empty for a new picture.
    const QString& proposedName() const { return proposedName_; }
    void SetToolCursor(); // the current tool's cursor
    void setBorderStyle(int style);
    void setFillStyle(int style);
    void chooseForeColor();
    void chooseFillColor();
    void paletteClick(int cell, Qt::MouseButton button);
    void dotPanePress(QPoint twips);
    void fillPanePress(QPoint twips);
    void brushPress(int shape);

    // Closing (Exit, the close box, Escape): asks about unsaved changes.
    void reject() override;

    PaintMenus& menus() { return *menus_; }
    PaintTool* currentTool() const;
    PaintTool* tool(int index) const { return tools_[size_t(index)].get(); }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // layout
    void buildWidgets();
    void buildToolColumn();
    void buildColorBar();
    void buildOverlays();
    void wireMenus();
    void placeCanvas();
    void showPanes();
    void updatePaneMarks();
    void updateColorSwatches();
    void setCanvasSize(QSize pixels);
    // events
    void canvasPressed(const CanvasMouse& m);
    void canvasMoved(const CanvasMouse& m);
    void canvasReleased(const CanvasMouse& m);
    void canvasDoubleClicked(const CanvasMouse& m);
    void canvasKeyReleased(const CanvasKey& k);
    void toolButtonPressed(int index);
    void toolChanged(int index);
    void handlePressed(int index, QPoint pos);
    void handleMoved(int index, QPoint pos);
    void handleReleased(int index);
    // commands
    void openingSequence();
    void restore(const PaintHistory::Step& step);
    void updateUndoRedo();
    // File Open's menu item, the status panel and the drop on the canvas.
    void wireOpen();
    // The status panel of the opened picture: its name and the canvas size.
    void updatePictureStatus();
    // Asks about unsaved changes; false when the caller must stop (Cancel,
    // or a Save that did not save).
    bool askToSave(bool* saved);
    // Runs a handler step, reporting any exception once with `code`.
    template <class F> void guarded(int code, F&& step) {
        try {
            step();
        } catch (const std::exception& e) {
            ShowErrorMessage(code, ErrorDescription(e));
        }
    }

    PaintHost& host_;
    Surface canvas_;
    Surface zoom_;
    Surface imageEffect_;
    Surface clipboard_;
    Surface select_;
    PaintState state_;
    PaintHistory history_;
    PaintHooks hooks_;
    std::array<std::unique_ptr<PaintTool>, Tool::Count> tools_;
    std::unique_ptr<PaintMenus> menus_;
    bool closingAsked_ = false;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QFrame* fraTools_ = nullptr;
    std::array<QToolButton*, Tool::Count> optTools_{};
    PaintWidgets::Pane* fraOptDot_ = nullptr;
    PaintWidgets::Pane* fraBrush_ = nullptr;
    PaintWidgets::Pane* fraOptFill_ = nullptr;
    QLabel* dotMark_ = nullptr;
    QLabel* brushMark_ = nullptr;
    QLabel* fillMark_ = nullptr;
    std::array<QWidget*, 8> shpDot_{};
    std::array<QWidget*, 10> imgBrush_{};
    std::array<QWidget*, 3> shpRect_{};
    QFrame* fraColor_ = nullptr;
    PaintWidgets::ColorCell* lblForeColor_ = nullptr;
    PaintWidgets::ColorCell* lblFillColor_ = nullptr;
    std::array<PaintWidgets::ColorCell*, 26> lblColor_{};
    QFrame* sta_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QFrame* canvasEdge_ = nullptr;
    SurfaceCanvas* picPaint_ = nullptr;
    QScrollBar* hscPaint_ = nullptr;
    QScrollBar* vscPaint_ = nullptr;
    QFrame* fraScroll_ = nullptr;
    std::array<ResizeHandle*, 3> picPaintResize_{};
    std::array<QWidget*, 4> imgBezier_{};
    SurfaceCanvas* picSelect_ = nullptr;
    QLineEdit* txtText_ = nullptr;
    QPoint handleGrab_; // pixels inside the pressed handle
    QLabel* staPicture_ = nullptr; // name and size of an opened picture
    QString pictureName_;          // file name of the opened / saved picture
    QString proposedName_;
};
