#pragma once
// Small controls of the paint window: the option panes (presses reported in
// twips inside the pane), the colour cells and the samples drawn in them.
#include "platform/Color.h"

#include <QFrame>
#include <QWidget>

namespace PaintWidgets {

// An option pane: a left press anywhere in it (also on a child sample that
// lets it through) is reported in twips inside the pane.
class Pane : public QFrame {
    Q_OBJECT
public:
    explicit Pane(QWidget* parent);
signals:
    void pressedAt(QPoint twips);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A bordered cell of one colour: palette cells and the two swatches.
// Reports presses (with the button), double-clicks and the pointer moving over it.
class ColorCell : public QWidget {
    Q_OBJECT
public:
    ColorCell(ColorValue color, QWidget* parent);
    ColorValue color() const { return color_; }
    void setColor(ColorValue c);
signals:
    void pressed(Qt::MouseButton button);
    void doubleClicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ColorValue color_;
};

// Samples inside the panes; mouse events pass through to the pane (the
// brush spots excepted: a press on a spot chooses it).
class DotSample : public QWidget { // shpDot: a round dot `diameter` pixels across
public:
    DotSample(int diameter, QWidget* parent);
    void setChosen(bool chosen); // white when chosen, black otherwise

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int diameter_;
    bool chosen_ = false;
};

class FillSample : public QWidget { // shpRect: 0 outline, 1 outline + grey, 2 grey
public:
    FillSample(int mode, QWidget* parent);
    void setChosen(bool chosen); // white border when chosen, black otherwise

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mode_;
    bool chosen_ = false;
};

class BrushSpot : public QWidget { // imgBrush: the shape drawn in 9 x 9 pixels
    Q_OBJECT
public:
    BrushSpot(int shape, QWidget* parent);
signals:
    void pressed(int shape);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int shape_;
};

} // namespace PaintWidgets
