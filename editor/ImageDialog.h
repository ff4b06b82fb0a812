#pragma once
// The image dialog `ImageDialog` ("Picture"): a picture chosen from disk is
// copied into samples/Wisplet_Files as MyImage<N>; OK composes the image tag
// into AppContext's ImageHtml. Every opening starts from the initial values.
#include "editor/Insertions.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

class ImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImageDialog(QWidget* owner);

    // The fields as the controls hold them.
    ImageFields fields() const;

    // The alignment list, in list order.
    static const QStringList& Alignments();
    static inline const QString Filter = QStringLiteral("GIF Images (*.gif)|*.gif|JPEG Images (*.jpg) |*.jpg");

public slots:
    void browse();
    void insert();

private:
    QLineEdit* src_ = nullptr;
    QLineEdit* alt_ = nullptr;
    QComboBox* align_ = nullptr;
    QLineEdit* border_ = nullptr;
    QLineEdit* spaceH_ = nullptr;
    QLineEdit* spaceV_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};
