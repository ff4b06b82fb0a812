#pragma once
// The splash window `frmSplash`: a borderless 395 x 239 window showing the
// supplied picture images/splash.png, with a 10 ms timer `Timer1` that runs
// while the window exists. Each tick calls onTick (the start-up sequence).
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    std::function<void()> onTick;
    QTimer* timer() { return &timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QTimer timer_;
};
