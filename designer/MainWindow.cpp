#include "designer/MainWindow.h"

#include "platform/AboutWindow.h"
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "platform/ColorText.h"
#include "designer/EnlargedPreview.h"
#include "designer/ExportWindow.h"
#include "designer/HelpPages.h"
#include "designer/MainWindowHosts.h"
#include "editor/AdvencedEditor.h"
#include "designer/PreviewPage.h"
#include "platform/UpDown.h"
#include "paint/PaintWindow.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"
#include "shapes/DrawBorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWebEngineView>
#include <exception>

namespace {
// The size boxes and spinners that refit the background.
const char* const SizeBoxes[] = {"WispletWidth", "WispletHeight", "WispletPadIn", "WispletPadOut",
                                 "WispletBorderWidth"};
const char* const SizeSpinners[] = {"WidthControl", "HeightControl", "PadInControl", "PadOutControl",
                                    "BorderWidthControl"};
} // namespace

General::General(QWidget* splash) : QMainWindow(nullptr), splash_(splash) {
    setObjectName(QStringLiteral("General"));
    setWindowTitle(AppTitle);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);

    // 1. The previous run's working pictures.
    guarded("clean-up", [] { AppFolder::deleteWorkingPictures(); });
    // 2. Controls, with the frame captions in bold; 6. the lists filled.
    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    boxes_.insert(QStringLiteral("WispletBorderColor"), borderColor_);
    boxes_.insert(QStringLiteral("WispletBgColor"), bgColor_);
    library_ = new BackgroundLibrary(
        backCat_, backImage_, [this] { return settings(); }, this, this);
    connectHandlers();
    buildLivePreview();
    buildPaintControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(323, 250));

    // 3. The splash window stays in front; the auto-preview flag is off.
    if (splash_) {
        splash_->show();
        splash_->raise();
    }
    autoPreview_ = false;
    // 4. Timer1.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(5);
    connect(timer1_, &QTimer::timeout, this, &General::onTimer1);
    timer1_->start();
    // 5. The start page; 7. WebBrowser1 sent to it.
    guarded("start page", [] { WriteStartPage(AppFolder::path()); });
    busy_ = true;
    browser_->load(QUrl::fromLocalFile(AppFolder::file(QString::fromLatin1(AppFolder::PreviewPage))));
    setUpDocument();
}

General::~General() {
    if (enlarged_)
        delete enlarged_.data();
}

void General::guarded(const char* step, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        qWarning() << "Wisplet: step skipped:" << step << e.what();
    } catch (...) {
        qWarning() << "Wisplet: step skipped:" << step;
    }
}

QLineEdit* General::box(const char* objectName) const { return boxes_.value(QString::fromLatin1(objectName)); }
Browser* General::enlargedPreview() const { return enlarged_.data(); }
UpDown* General::spinner(const char* objectName) const { return spinners_.value(QString::fromLatin1(objectName)); }

WispletSettings General::settings() const {
    WispletSettings s;
    s.width = box("WispletWidth")->text();
    s.height = box("WispletHeight")->text();
    s.padIn = box("WispletPadIn")->text();
    s.padOut = box("WispletPadOut")->text();
    s.borderWidth = box("WispletBorderWidth")->text();
    s.borderStyle = borderStyle_->currentIndex();
    s.borderColor = borderColor_->text();
    s.bgColor = bgColor_->text();
    s.align = align_->currentIndex();
    s.entrance = entrance_->currentIndex();
    s.waiting = box("WispletWaiting")->text();
    s.contentEntrance = contentEntrance_->currentIndex();
    s.duration = box("ContentEntranceDur")->text();
    s.contentHtml = contentText();
    s.backCategory = backCat_->currentIndex();
    s.backImage = backImage_->currentIndex() >= 0 ? backImage_->currentText() : QString();
    s.autoPreview = autoPreview_;
    s.behaviour = behaviour_;
    return s;
}

void General::WritePreview() {
    guarded("preview", [this] { writePreviewNow(); });
}

void General::RefreshPreview() { reloadWhenWritten(PendingReload::Refresh); }

void General::ImportBackground() { guarded("import", [this] { library_->ImportBackground(); }); }
void General::ReadBack(const QString& category) { guarded("list", [&] { library_->ReadBack(category); }); }

QString General::getColor(const QString& current) {
    lastColor_ = dialogs().chooseColor(this, std::nullopt, true);
    if (!lastColor_)
        return current;
    return ColorToHtml(*lastColor_);
}

void General::pickColor(QLineEdit* colorBox) {
    colorBox->setText(getColor(colorBox->text())); // its change handler runs here
    if (!lastColor_)
        return;
    QPalette pal = colorBox->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, Color::toQColor(*lastColor_));
    colorBox->setPalette(pal);
}

void General::onTimer1() {
    if (busy_)
        return;
    timer1_->stop();
    show(); // before the splash closes, so a visible window always remains
    if (splash_)
        splash_->close();
}

void General::connectHandlers() {
    connect(browser_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(browser_, &QWebEngineView::loadFinished, this, [this](bool) { busy_ = false; });

    for (const char* name : SizeSpinners)
        connect(spinner(name), &UpDown::changed, this, [this] { guarded("fit", [this] { library_->FitBackground(); }); });
    for (const char* name : SizeBoxes)
        box(name)->installEventFilter(this);
    for (QComboBox* c : {align_, borderStyle_, entrance_, contentEntrance_, backCat_, backImage_})
        c->installEventFilter(this);

    connect(autoPreviewBox_, &QCheckBox::clicked, this, [this] { autoPreview_ = autoPreviewBox_->isChecked(); });

    auto onClick = [this](const char* name, auto slot) {
        if (auto* b = findChild<QPushButton*>(QString::fromLatin1(name)))
            connect(b, &QPushButton::clicked, this, slot);
    };
    auto onMenu = [this](const char* name, auto slot) {
        if (auto* a = findChild<QAction*>(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, slot);
    };
    onClick("Refresh", [this] { RefreshPreview(); });
    onClick("Refresh1", [this] { RefreshPreview(); });
    onClick("EnlargePreview", [this] { showEnlargedPreview(); });
    onMenu("previewMenu", [this] { showEnlargedPreview(); });
    onClick("AdvencedEditorB", [this] { openAdvancedEditor(); });
    onMenu("htmleditor", [this] { openAdvancedEditor(); });
    onClick("ShowColor", [this] { pickColor(borderColor_); });
    onClick("ShowColor2", [this] { pickColor(bgColor_); });
    onClick("Command1", [this] { openBrightnessAndContrast(); });
    onClick("ImportBack", [this] { guarded("import", [this] { library_->Import(); }); });
    onMenu("importMenu", [this] { guarded("import", [this] { library_->Import(); }); });
    onClick("ViewAllBack", [this] { guarded("folder", [this] { library_->ViewAll(); }); });
    onMenu("viewBack", [this] { guarded("folder", [this] { library_->ViewAll(); }); });
    onMenu("ps", [this] { openPredefinedShapes(); });
    onMenu("cs", [this] { openPaint(); });
    onMenu("menuExport", [this] { openExport(); });
    onMenu("MenuAbout", [this] { openAbout(); });
    onMenu("boxBehaviour", [this] { openBoxBehaviour(); });
    for (const HelpPage& page : helpPages()) {
        const QString relative = QString::fromLatin1(page.relative);
        onMenu(page.action, [relative] { OpenHelpPage(relative); });
    }
    onMenu("menuExit", [this] { close(); });
}

bool General::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return QMainWindow::eventFilter(watched, event);
    // Validation happens when the focus moves to another control of this
    // window, not when a menu, a pop-up or another window takes it.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    if (watched == backCat_) {
        // After the focus change has completed: the waiting window is modal.
        QTimer::singleShot(0, this, [this] { guarded("list", [this] { library_->ShowLoading(); }); });
    } else if (watched == backImage_) {
        guarded("select", [this] { library_->SelectAndFit(); });
    } else if (watched == align_ || watched == borderStyle_ || watched == entrance_ || watched == contentEntrance_) {
        // the preview takes a list's choice at once (MainWindowPreview.cpp)
    } else {
        guarded("fit", [this] { library_->FitBackground(); });
    }
    return false;
}

void General::showEnlargedPreview() {
    if (enlarged_) {
        enlarged_->show();
        enlarged_->raise();
        enlarged_->activateWindow();
        return;
    }
    enlarged_ = new Browser([this] { WritePreview(); });
    attachEnlargedPreview();
    enlarged_->show();
}

void General::openAdvancedEditor() {
    WritePreview();
    if (editor_) {
        editor_->raise();
        editor_->activateWindow();
        return;
    }
    auto* editor = new AdvencedEditor(std::make_unique<GeneralEditorHost>(*this), this);
    editor_ = editor;
    editor->move(geometry().center() - editor->rect().center());
    editor->show();
}

void General::openExport() {
    setEnabled(false);
    auto* exportWindow = new Export(settings(), this);
    exportWindow->setEnabled(true);
    exportWindow->move(geometry().center() - exportWindow->rect().center());
    exportWindow->show();
}

void General::openAbout() {
    setEnabled(false);
    auto* about = new frmAbout(this);
    about->setEnabled(true);
    about->move(geometry().center() - about->rect().center());
    about->show();
}

void General::openBrightnessAndContrast() {
    GeneralBrightnessHost host(*this);
    guarded("effect", [&] { frmBrightnessAndContrast::Open(host, this); });
    previewPictureChanged();
}

void General::openPredefinedShapes() {
    GeneralShapesHost host(*this);
    guarded("shapes", [&] {
        DrawBorder window(host, this);
        window.setWindowModality(Qt::ApplicationModal);
        window.exec();
    });
    previewPictureChanged();
}

void General::openPaint() {
    GeneralPaintHost host(*this);
    guarded("paint", [&] {
        frmPaint window(host, this);
        window.setEnabled(true);
        window.exec();
    });
    previewPictureChanged();
}

void General::closeEvent(QCloseEvent* event) {
    if (!confirmClose())
        return event->ignore();
    if (enlarged_)
        enlarged_->close();
    if (editor_)
        editor_->close();
    QMainWindow::closeEvent(event);
}
