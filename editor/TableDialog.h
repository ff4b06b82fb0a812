#pragma once
// The table dialog `frmDialog_Table` ("Table Editor"): Insert composes an
// empty table into AppContext's TableHtml. Every opening starts from the
// initial values.
#include "editor/Insertions.h"

#include <QComboBox>
#include <QDialog>

class QLineEdit;

// An editable list that is filled again with "Left", "Center", "Right" each
// time it drops down (the typed text is kept when it is none of them).
class AlignList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

class frmDialog_Table : public QDialog {
    Q_OBJECT
public:
    explicit frmDialog_Table(QWidget* owner);
    TableFields fields() const;

public slots:
    void insert();

private:
    AlignList* align_ = nullptr;
    QLineEdit* border_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    QLineEdit* padding_ = nullptr;
    QLineEdit* rows_ = nullptr;
    QLineEdit* columns_ = nullptr;
};
