// Controls and menus of the main window, at their places (frames at the twips
// positions / 15).
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "designer/HelpPages.h"
#include "designer/MainWindow.h"
#include "designer/PlainTextMirror.h"
#include "platform/UpDown.h"
#include "platform/AppFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QWebEngineView>
#include <cmath>

namespace {
const QColor Grey(224, 224, 224);

int px(int twips) { return int(std::nearbyint(twips / 15.0)); }

QGroupBox* frame(QWidget* parent, const char* caption, int l, int t, int w, int h) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setGeometry(px(l), px(t), px(w), px(h));
    return box;
}

QLabel* label(QWidget* parent, const char* text, int x, int y, int w = 60) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setGeometry(x, y, w, 14);
    return l;
}

// A button's picture: icons/<name>.png of the application folder, else a
// standard icon of the style.
QIcon buttonIcon(QWidget* w, const char* name, QStyle::StandardPixmap fallback) {
    const QString file = AppFolder::file(QStringLiteral("icons/%1.png").arg(QString::fromLatin1(name)));
    return QFile::exists(file) ? QIcon(file) : w->style()->standardIcon(fallback);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* icon,
                    QStyle::StandardPixmap fallback, const QRect& place) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(buttonIcon(b, icon, fallback));
    b->setIconSize(QSize(16, 16));
    b->setGeometry(place);
    return b;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items, const QRect& place) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    c->setCurrentIndex(items.isEmpty() ? -1 : 0);
    c->setGeometry(place);
    c->setMaxVisibleItems(16);
    return c;
}
} // namespace

void General::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(646, 460); // 9690 x 6900 twips
    client->setAutoFillBackground(true);
    // Frames drawn with the caption on the frame line.
    client->setStyleSheet(QStringLiteral(
        "QWidget { font-family: Arial; font-size: 11px; }"
        "QGroupBox { font-weight: bold; border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
    setCentralWidget(client);

    // Numeric boxes with their spinners; geometry of box and spinner.
    auto numeric = [&](QWidget* parent, const NumericField& f, int x, int y, int w) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QString::fromLatin1(f.box));
        box->setGeometry(x, y, w, 21);
        auto* spin = new UpDown(box, f.spinMin, f.spinMax, parent);
        spin->setObjectName(QString::fromLatin1(f.spinner));
        spin->setGeometry(x + w, y, 15, 21);
        NumericKeyFilter::attach(box, f.maxLength, spin);
        boxes_.insert(box->objectName(), box);
        spinners_.insert(spin->objectName(), spin);
    };
    const auto& nf = numericFields();
    const WispletSettings defaults;

    QGroupBox* size = frame(client, "Size", 120, 0, 1815, 1095);
    label(size, "Width", 8, 16);
    numeric(size, nf[0], 8, 32, 36);
    label(size, "Height", 64, 16);
    numeric(size, nf[1], 64, 32, 36);

    QGroupBox* position = frame(client, "Position", 2040, 0, 2895, 1095);
    label(position, "Align", 8, 16);
    align_ = list(position, "WispletAlign", WispletSettings::alignments(), QRect(6, 32, 64, 21));
    label(position, "Padding In", 74, 16, 52);
    numeric(position, nf[2], 74, 32, 28);
    label(position, "Padding Out", 130, 16, 62);
    numeric(position, nf[3], 130, 32, 28);

    QGroupBox* border = frame(client, "Border", 5040, 0, 3255, 1095);
    label(border, "Style", 8, 16);
    borderStyle_ = list(border, "WispletBorderStyle", WispletSettings::borderStyles(), QRect(8, 32, 68, 21));
    label(border, "Width", 84, 16);
    numeric(border, nf[4], 84, 32, 26);
    label(border, "Color", 132, 16);
    borderColor_ = new QLineEdit(defaults.borderColor, border);
    borderColor_->setObjectName(QStringLiteral("WispletBorderColor"));
    borderColor_->setReadOnly(true);
    borderColor_->setGeometry(132, 32, 56, 21);
    auto* showColor = button(border, "ShowColor", "", "color", QStyle::SP_DialogResetButton, QRect(190, 32, 21, 21));
    showColor->setToolTip(QStringLiteral("Border color"));

    QGroupBox* bg = frame(client, "BgColor", 8400, 0, 1215, 1095);
    bgColor_ = new QLineEdit(defaults.bgColor, bg);
    bgColor_->setObjectName(QStringLiteral("WispletBgColor"));
    bgColor_->setReadOnly(true);
    bgColor_->setGeometry(3, 32, 55, 21);
    auto* showColor2 = button(bg, "ShowColor2", "", "color", QStyle::SP_DialogResetButton, QRect(59, 32, 19, 21));
    showColor2->setToolTip(QStringLiteral("Background color"));

    QGroupBox* background = frame(client, "Background", 120, 1080, 3735, 1455);
    backCat_ = list(background, "BackCat", WispletSettings::backCategories(), QRect(8, 20, 150, 21));
    backImage_ = list(background, "WispletBackImage", {}, QRect(8, 48, 150, 40));
    backImage_->setPlaceholderText(QStringLiteral("None"));
    backImage_->setIconSize(QSize(32, 32));
    button(background, "ImportBack", "Import", "import", QStyle::SP_DialogOpenButton, QRect(164, 14, 78, 24));
    button(background, "ViewAllBack", "View All", "viewall", QStyle::SP_DirOpenIcon, QRect(164, 41, 78, 24));
    button(background, "Command1", "Effect", "effect", QStyle::SP_DesktopIcon, QRect(164, 68, 78, 24));

    QGroupBox* contentFrame = frame(client, "Content Html", 120, 2520, 3735, 2295);
    content_ = new QPlainTextEdit(contentFrame);
    content_->setObjectName(QStringLiteral("ContentTextHtml"));
    content_->setGeometry(8, 18, 233, 100);
    content_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    content_->setTabChangesFocus(true);
    contentMirror_ = new PlainTextMirror(this);
    contentMirror_->watch(content_->document());
    button(contentFrame, "Refresh1", "Refresh", "refresh", QStyle::SP_BrowserReload, QRect(8, 123, 84, 24));
    button(contentFrame, "AdvencedEditorB", "Advanced Editor", "editor", QStyle::SP_FileDialogDetailedView,
           QRect(100, 123, 141, 24));

    QGroupBox* wEntrance = frame(client, "Wisplet Entrance", 120, 4800, 3735, 855);
    entrance_ = list(wEntrance, "WispletEntrance", WispletSettings::entrances(), QRect(8, 24, 140, 21));
    label(wEntrance, "Waiting", 160, 27, 42);
    numeric(wEntrance, nf[5], 204, 24, 24);

    QGroupBox* cEntrance = frame(client, "Content Entrance", 120, 5640, 3735, 1215);
    contentEntrance_ = list(cEntrance, "ContentEntrance", WispletSettings::contentEntrances(), QRect(8, 22, 233, 21));
    label(cEntrance, "Duration", 8, 53, 48);
    numeric(cEntrance, nf[6], 58, 50, 28);

    QGroupBox* preview = frame(client, "Wisplet Preview", 3960, 1080, 5655, 5775);
    browser_ = new QWebEngineView(preview);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    browser_->setGeometry(px(120), px(240), px(5415), px(4935));
    autoPreviewBox_ = new QCheckBox(QStringLiteral("Auto Preview"), preview);
    autoPreviewBox_->setObjectName(QStringLiteral("AutoPreviewBox"));
    autoPreviewBox_->setGeometry(10, 353, 120, 22);
    button(preview, "Refresh", "Refresh", "refresh", QStyle::SP_BrowserReload, QRect(164, 351, 88, 26));
    button(preview, "EnlargePreview", "Enlarge Preview", "enlarge", QStyle::SP_TitleBarMaxButton,
           QRect(258, 351, 111, 26));

    // The nine frame captions in bold; what they hold keeps the normal weight.
    for (QGroupBox* g : client->findChildren<QGroupBox*>()) {
        QFont bold = g->font();
        bold.setBold(true);
        g->setFont(bold);
        for (QWidget* child : g->findChildren<QWidget*>()) {
            QFont normal = child->font();
            normal.setBold(false);
            child->setFont(normal);
        }
    }
    for (const NumericField& f : numericFields()) {
        const QString text = f.box == QLatin1String("WispletWidth")         ? defaults.width
                             : f.box == QLatin1String("WispletHeight")      ? defaults.height
                             : f.box == QLatin1String("WispletPadIn")       ? defaults.padIn
                             : f.box == QLatin1String("WispletPadOut")      ? defaults.padOut
                             : f.box == QLatin1String("WispletBorderWidth") ? defaults.borderWidth
                             : f.box == QLatin1String("WispletWaiting")     ? defaults.waiting
                                                                            : defaults.duration;
        boxes_.value(QString::fromLatin1(f.box))->setText(text);
    }
}

void General::buildMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("menuFile"));
    item(file, "menuExit", "Exit")->setShortcut(QKeySequence::Quit);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("menuTools"));
    item(tools, "importMenu", "Import Background Image");
    item(tools, "viewBack", "View Backgounds Folder");
    tools->addSeparator();
    item(tools, "htmleditor", "HTML Advenced Editor");
    tools->addSeparator();
    item(tools, "previewMenu", "Enlarge Preview");
    QMenu* shapes = tools->addMenu(QStringLiteral("Custom Shapes Editor"));
    shapes->setObjectName(QStringLiteral("shape"));
    shapes->menuAction()->setObjectName(QStringLiteral("shape"));
    item(shapes, "ps", "Predefined Shapes");
    item(shapes, "cs", "Customized Shapes ");
    tools->addSeparator();
    item(tools, "boxBehaviour", "Box Behaviour...");

    QAction* exportCommand = menuBar()->addAction(QStringLiteral("Generate Wisplet"));
    exportCommand->setObjectName(QStringLiteral("menuExport"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    const auto& pages = helpPages();
    item(help, pages[0].action, pages[0].caption)->setShortcut(QKeySequence::HelpContents);
    QMenu* samples = help->addMenu(QStringLiteral("Samples"));
    samples->setObjectName(QStringLiteral("s"));
    samples->menuAction()->setObjectName(QStringLiteral("s"));
    for (int i = 1; i < 6; ++i)
        item(samples, pages[i].action, pages[i].caption);
    help->addSeparator();
    item(help, "MenuAbout", "About");
}
