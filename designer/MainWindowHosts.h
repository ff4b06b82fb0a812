#pragma once
// What the side windows read and write in the main window, as the host
// interfaces their folders declare.
#include "editor/EditorHost.h"
#include "imaging/BrightnessWindow.h"
#include "paint/PaintHost.h"
#include "shapes/ShapesHost.h"

class General;

// The brightness and contrast window's view of the main window.
class GeneralBrightnessHost : public BrightnessHost {
public:
    explicit GeneralBrightnessHost(General& main) : main_(main) {}
    QString backgroundCategory() const override;
    QString backgroundFileName() const override;
    QString widthText() const override;
    QString heightText() const override;
    void setPicture1(const QImage& picture) override;
    Surface& Picture2() override;

private:
    General& main_;
};

// The predefined shapes window's view of the main window.
class GeneralShapesHost : public ShapesHost {
public:
    explicit GeneralShapesHost(General& main) : main_(main) {}
    QString widthText() const override;
    QString heightText() const override;
    // Writes both boxes (their change handlers run) and refits the background
    // to the new size once.
    void setBoxSize(int width, int height) override;

private:
    General& main_;
};

// The paint window's view of the main window.
class GeneralPaintHost : public PaintHost {
public:
    explicit GeneralPaintHost(General& main) : main_(main) {}
    QString widthText() const override;
    QString heightText() const override;
    // Rebuilds the picture list when it shows the personal category and
    // refits the background when the chosen picture was saved over.
    void pictureSaved(const QString& path) override;

private:
    General& main_;
};

// The content editor's view of the main window.
class GeneralEditorHost : public EditorHost {
public:
    explicit GeneralEditorHost(General& main) : main_(main) {}
    EditorFields fields() const override;
    void setContentHtml(const QString& html) override;

private:
    General& main_;
};
