#pragma once
// Small controls of the predefined shapes window.
#include <QLineEdit>
#include <QWidget>

// One-character box for the border width: a typed digit replaces the text and
// is reported; Backspace empties the box and reports -1; every other key that
// would edit the text is swallowed (Tab, Escape and Return still reach the
// window). Pasting, dropping and the edit menu are off.
class BorderWidthBox : public QLineEdit {
    Q_OBJECT
public:
    explicit BorderWidthBox(QWidget* parent = nullptr);

signals:
    void widthKey(int digit); // 0..9, or -1 after Backspace

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A small navy square that reports a drag in its own coordinates. While
// `ghost` is set it draws nothing (it stays in place to keep the mouse).
class ResizeHandle : public QWidget {
    Q_OBJECT
public:
    ResizeHandle(int index, Qt::CursorShape cursor, QWidget* parent);
    int index() const { return index_; }
    void setGhost(bool ghost);

signals:
    void pressed(int index, QPoint pos);
    void moved(int index, QPoint pos);
    void released(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool ghost_ = false;
};
