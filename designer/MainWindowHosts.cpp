#include "designer/MainWindowHosts.h"

#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "designer/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

QString GeneralBrightnessHost::backgroundCategory() const {
    const auto* backCat = main_.findChild<QComboBox*>(QStringLiteral("BackCat"));
    return backCat ? backCat->currentText() : QString();
}

QString GeneralBrightnessHost::backgroundFileName() const {
    const auto* backImage = main_.findChild<QComboBox*>(QStringLiteral("WispletBackImage"));
    return backImage && backImage->currentIndex() >= 0 ? backImage->currentText() : QString();
}

QString GeneralBrightnessHost::widthText() const { return main_.box("WispletWidth")->text(); }
QString GeneralBrightnessHost::heightText() const { return main_.box("WispletHeight")->text(); }
void GeneralBrightnessHost::setPicture1(const QImage& picture) { main_.background().setSource(picture); }
Surface& GeneralBrightnessHost::Picture2() { return main_.background().Picture2(); }

QString GeneralShapesHost::widthText() const { return main_.box("WispletWidth")->text(); }
QString GeneralShapesHost::heightText() const { return main_.box("WispletHeight")->text(); }

void GeneralShapesHost::setBoxSize(int width, int height) {
    main_.box("WispletWidth")->setText(QString::number(width));
    main_.box("WispletHeight")->setText(QString::number(height));
    main_.background().FitBackground();
}

QString GeneralPaintHost::widthText() const { return main_.box("WispletWidth")->text(); }
QString GeneralPaintHost::heightText() const { return main_.box("WispletHeight")->text(); }

void GeneralPaintHost::pictureSaved(const QString& path) {
    try {
        main_.background().pictureSaved(path);
    } catch (...) {
        // The list and the background stay as they were.
    }
}

EditorFields GeneralEditorHost::fields() const {
    const WispletSettings s = main_.settings();
    EditorFields f;
    f.align = s.alignText();
    f.width = s.width;
    f.height = s.height;
    f.borderWidth = s.borderWidth;
    f.borderColor = s.borderColor;
    f.padIn = s.padIn;
    f.borderStyle = s.borderStyleText();
    f.content = s.contentHtml;
    return f;
}

void GeneralEditorHost::setContentHtml(const QString& html) {
    if (auto* content = main_.findChild<QPlainTextEdit*>(QStringLiteral("ContentTextHtml")))
        content->setPlainText(html);
}
