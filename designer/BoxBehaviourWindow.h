#pragma once
// "Box Behaviour" (Tools menu): the accessible name of the box and the
// options a visitor meets - close button, Escape, show once, a delay before
// the entrance, a pause of the reveal under the pointer or focus. A dialog
// over the main window; OK hands the chosen behaviour to `accepted`.
#include "designer/BoxBehaviour.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

class BoxBehaviourWindow : public QDialog {
    Q_OBJECT
public:
    BoxBehaviourWindow(const BoxBehaviour& current, QWidget* parent);

    // The behaviour the controls show now.
    BoxBehaviour behaviour() const;

signals:
    void chosen(const BoxBehaviour& behaviour); // emitted on OK

private:
    QLineEdit* name_;
    QCheckBox* closeButton_;
    QCheckBox* escapeCloses_;
    QCheckBox* pauseOnHover_;
    QComboBox* showOnce_;
    QSpinBox* days_;
    QSpinBox* delay_;
};
