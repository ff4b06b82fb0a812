#pragma once
// The waiting window `loading` (caption "Loading"): a small white modal tool
// window with the bold label "loading Preview... Please wait!". Its one-shot
// timer Timer1 (10 ms) starts when the window is shown and runs the work it
// was given; the work closes the window with finish(). The user cannot close
// it before that.
#include <QDialog>
#include <functional>

class QLabel;
class QTimer;

class LoadingWindow : public QDialog {
    Q_OBJECT
public:
    LoadingWindow(QWidget* owner, std::function<void()> work);

    QLabel* label() const { return label_; }
    QTimer* timer() const { return timer_; }
    // Close the window (ends a running exec()).
    void finish();

    static constexpr int TimerInterval = 10; // ms

public slots:
    void reject() override; // Escape / close button: ignored until finish()

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> work_;
    QLabel* label_;
    QTimer* timer_;
    bool finished_ = false;
};
