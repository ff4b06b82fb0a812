#pragma once
// Telling the user once when a write fails.
#include <QString>

class QWidget;

// Shows a write failure through dialogs() with the program's title, once:
// the same failure again stays silent until a write succeeded in between
// (a spinner held down must not raise a message per step).
class FailureNotice {
public:
    void failed(QWidget* parent, const QString& text);
    void succeeded() { last_.clear(); }
    const QString& last() const { return last_; }

private:
    QString last_;
};
