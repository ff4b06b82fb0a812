#pragma once
// The timeline under a preview: Play/Pause, a scrubber over the whole
// sequence with the entrance, the waiting time and the reveal marked, "Show
// end" (the final look) and the current time in seconds. Keys while it has
// the focus: Space plays or pauses, Home and End go to the start and the final
// look, the arrows step 0.1 s.
#include <QSlider>
#include <QWidget>

class PreviewController;
class QLabel;
class QPushButton;

// A slider in milliseconds that paints the phases under its groove.
class PhaseScrubber : public QSlider {
    Q_OBJECT
public:
    explicit PhaseScrubber(QWidget* parent = nullptr);
    void setPhases(double entrance, double waiting, double reveal);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double entrance_ = 0, waiting_ = 0, reveal_ = 0;
};

class PreviewTimeline : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 26;
    PreviewTimeline(PreviewController& controller, QWidget* parent = nullptr);

    PhaseScrubber* scrubber() const { return scrubber_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool key(int key);
    void follow();

    PreviewController& controller_;
    QPushButton* play_;
    PhaseScrubber* scrubber_;
    QPushButton* end_;
    QLabel* time_;
};
