#pragma once
// frmBrightnessAndContrast: adjusts the background picture selected in the
// main window's library and, on Save, makes the result the wisplet's working
// background (samples/Wisplet_Files/MyBackground.jpg at the box's width x
// height). The library picture itself is never changed.
#include "imaging/BrightnessContrast.h"
#include "imaging/DIBSection.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QPushButton;
class QScrollBar;
class PictureBox;
class Surface;

// What the window needs from the main window.
class BrightnessHost {
public:
    virtual ~BrightnessHost() = default;
    // Displayed text of the category list BackCat (e.g. "personal").
    virtual QString backgroundCategory() const = 0;
    // Text of the selected item of the picture list WispletBackImage (a file
    // name in the category folder); empty when nothing is selected.
    virtual QString backgroundFileName() const = 0;
    // Texts of the box's width and height boxes WispletWidth / WispletHeight.
    virtual QString widthText() const = 0;
    virtual QString heightText() const = 0;
    // Picture1: the main window's last loaded background picture, which its
    // later fits stretch; Save puts the adjusted picture there.
    virtual void setPicture1(const QImage& picture) = 0;
    // Picture2: the canvas on which the fitted background is composed.
    virtual Surface& Picture2() = 0;
};

class frmBrightnessAndContrast : public QDialog {
    Q_OBJECT
public:
    // Builds the window and loads the selected background at once; when that
    // fails the message "PLease select an Image" has been shown and Save is
    // hidden.
    explicit frmBrightnessAndContrast(BrightnessHost& host, QWidget* parent = nullptr);
    ~frmBrightnessAndContrast() override;

    // Opens the window modally over parent (the main window's Effect button).
    static void Open(BrightnessHost& host, QWidget* parent);

    // Recomputes the result from the scroll bars and shows it.
    void UpdateResult();
    // Save: writes MyBackground.jpg from the result and closes the window.
    void Save_Click();

    bool loaded() const { return loaded_; }
    const cDIBSection& source() const { return source_; }
    const cDIBSection& result() const { return result_; }
    const cBrightnessContrast& processor() const { return processor_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();

    BrightnessHost& host_;
    cDIBSection source_;
    cDIBSection result_;
    cBrightnessContrast processor_;
    bool loaded_ = false;

    QLabel* lblContrast_;
    QScrollBar* hscContrast_;
    QLabel* lblBrightness_;
    QScrollBar* hscBrightness_;
    QPushButton* Save_;
    QPushButton* Cancel_;
    PictureBox* picResult_;
    PictureBox* picSource_;
};

// The leading number of a text as the size boxes hold it ("300", " 12.5px");
// 0 when the text does not start with a number.
double LeadingNumber(const QString& text);
