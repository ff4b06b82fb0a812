#pragma once
// The numeric boxes of the main window: the key filter that lets only digits
// and Backspace through, and the spinner (two arrow buttons) bound to a box.
#include <QObject>
#include <QWidget>

class QLineEdit;
class QToolButton;

// Event filter for a numeric text box: a typed character passes when it is a
// digit "0"-"9" or Backspace (code 8); any other printable character is
// swallowed. Keys without a character (arrows, Delete, Tab) and control
// shortcuts (Ctrl+C, Ctrl+V, ...) are left to the box. With a spinner set, the
// Up and Down keys step it. Pasted text is limited to digits by a validator
// installed by attach().
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit NumericKeyFilter(QObject* parent = nullptr) : QObject(parent) {}
    // Install on the box (with its length limit: 0 = none) and bind the spinner.
    static NumericKeyFilter* attach(QLineEdit* box, int maxLength, class UpDown* spinner = nullptr);

    // The rule itself, for one typed text (as QKeyEvent::text() gives it).
    static bool passes(const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class UpDown* spinner_ = nullptr;
};

// A spinner bound to a buddy text box. A step reads the box's number (its own
// last value when the box holds none), moves it by 1 within [min, max], writes
// the new number into the box as text (the box's textChanged handlers run
// first) and then emits changed(). A step that cannot move (at a limit, with
// the box already showing that number) changes nothing and emits nothing.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int min, int max, QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    QLineEdit* buddy() const { return buddy_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

public slots:
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }
    void step(int delta);

signals:
    void changed(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_;
    int max_;
    int value_;
};
