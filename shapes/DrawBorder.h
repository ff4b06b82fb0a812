#pragma once
// The predefined shapes window: choose a catalogue shape, its border width,
// border and fill colours and the picture size; the canvas shows the shape at
// once; the picture is saved into the personal category and the box takes
// over its size.
#include "platform/Surface.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QToolButton;
class SurfaceCanvas;
class ShapesHost;
class BorderWidthBox;
class ResizeHandle;

class DrawBorder : public QDialog {
    Q_OBJECT
public:
    // Loads the window: canvas size from the host's width and height texts,
    // the shape values reset (Smile, black border 1 pixel wide, white fill).
    explicit DrawBorder(ShapesHost& host, QWidget* parent = nullptr);
    ~DrawBorder() override;

    // Clear the canvas to its background, draw the current shape, show it.
    void RedrawShape();
    // Place the three handles at the canvas's right edge, bottom edge, corner.
    void AdjustPaintResizeBox();

    Surface& canvasSurface() { return surface_; }

private:
    void buildControls();
    void setCanvasSize(QSize size);
    void updateSizeLabel();
    void updateColorIcons();

    void cmbShapes_Click(int index);
    void txtBorderWidth_Key(int digit);
    void chooseColor(bool border);
    void cmdSaveGif_Click();
    void handlePressed(int index, QPoint pos);
    void handleMoved(int index, QPoint pos);
    void handleReleased(int index);

    ShapesHost& host_;
    Surface surface_;
    SurfaceCanvas* picPaint_ = nullptr;
    QComboBox* cmbShapes_ = nullptr;
    QLabel* lblSize_ = nullptr;
    BorderWidthBox* txtBorderWidth_ = nullptr;
    QToolButton* cmdBorderColor_ = nullptr;
    QToolButton* cmdFillColor_ = nullptr;
    QToolButton* cmdSaveGif_ = nullptr;
    std::array<ResizeHandle*, 3> picPaintResize_{};
    bool dragging_ = false;
    QPoint pressPos_;
};

// Opens the window modally over `owner` (the "Predefined Shapes" menu item).
void ShowPredefinedShapes(ShapesHost& host, QWidget* owner);
