// The editor's controls: the two toolbar rows (as data), the labels, the
// source box, the menus and the placement rule.
#include "editor/AdvencedEditor.h"
#include "editor/ToolbarArt.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
struct ToolButtonDef {
    const char* name;
    const char* tip; // nullptr: no tooltip
    int row;         // 1 or 2
    bool gapBefore;  // a small gap separates groups
};

// Left to right. save2 and ViewSource/Design sit at the right end of row 1.
const ToolButtonDef Buttons[] = {
    {"Cut", "cut", 1, false},
    {"Copy", "copy", 1, false},
    {"Paste", "paste", 1, false},
    {"Undob", "undo", 1, true},
    {"Redob", "redo", 1, false},
    {"Hyperlink", "insert hyperlink", 1, true},
    {"InsertImage", "insert image", 1, false},
    {"hr", "horizontal rule", 1, false},
    {"InsertTable", "insert table", 1, true},
    {"InsertRow", "insert row", 1, false},
    {"InsertCol", "insert colon", 1, false},
    {"DelRow", "delete row", 1, false},
    {"DelCol", "delete colon", 1, false},
    {"SplitCell", "split cells", 1, false},
    {"MergCell", "insert cell", 1, false},
    {"FontFace", "font style", 2, false},
    {"MyBackColor", nullptr, 2, false},
    {"Bold", "bold", 2, true},
    {"Italic", "italic", 2, false},
    {"Underline", "underline", 2, false},
    {"AligLeft", "align left", 2, true},
    {"AlignCenter", "align center", 2, false},
    {"AlignRight", "align right", 2, false},
    {"Ol", "ordered list", 2, true},
    {"Ul", "unordered list", 2, false},
    {"Outdent", "indent", 2, false},
    {"Indent", "outdent", 2, false},
    {"br", "line break", 2, true},
    {"info", "info", 2, false},
};

constexpr int ButtonSize = 25; // 375 twips
constexpr int WideButton = 49; // 735 twips
constexpr int Row1Top = 3;
constexpr int Row2Top = 31;
constexpr int GroupGap = 7;

int twipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }

QToolButton* pictureButton(QWidget* parent, const QString& name, const char* tip, int width = ButtonSize) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    b->setIcon(ToolbarIcon(name));
    b->setIconSize(width == ButtonSize ? QSize(16, 16) : QSize(44, 16));
    b->setFixedSize(width, ButtonSize);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus); // the selection in the document stays where it is
    return b;
}
} // namespace

const QStringList& AdvencedEditor::DesignOnlyButtons() {
    static const QStringList names{"save2",     "MyBackColor", "Bold",        "Italic",    "Underline", "AligLeft",
                                   "AlignRight", "AlignCenter", "Ol",          "Ul",        "Indent",    "Outdent",
                                   "Hyperlink", "InsertTable", "InsertImage", "FontFace",  "Cut",       "Copy",
                                   "Paste",     "hr",          "Undob",       "Redob",     "br",        "InsertRow",
                                   "InsertCol", "DelRow",      "DelCol",      "SplitCell", "MergCell",  "info"};
    return names;
}

QRect AdvencedEditor::ViewArea(QSize inner, const QRect& old) {
    const int width = twipsToPixels(inner.width() * 15.0 - 200);
    const int height = twipsToPixels(inner.height() * 15.0 - 1600);
    return QRect(twipsToPixels(100), twipsToPixels(1500), width > 0 ? width : old.width(),
                 height > 0 ? height : old.height());
}

void AdvencedEditor::buildControls() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(central_);

    for (const ToolButtonDef& def : Buttons)
        buttons_.insert(QString::fromLatin1(def.name), pictureButton(central_, QString::fromLatin1(def.name), def.tip));
    buttons_.insert(QStringLiteral("save2"), pictureButton(central_, QStringLiteral("save2"), "Save"));
    buttons_.insert(QStringLiteral("ViewSource"),
                    pictureButton(central_, QStringLiteral("ViewSource"), "view code", WideButton));
    buttons_.insert(QStringLiteral("Design"), pictureButton(central_, QStringLiteral("Design"), "design view", WideButton));
    buttons_.value(QStringLiteral("Design"))->hide();

    browse_ = new QPushButton(QStringLiteral("Browse Mode"), central_);
    browse_->setObjectName(QStringLiteral("Browse"));
    browse_->setToolTip(QStringLiteral("Browse Mode"));
    browse_->setFocusPolicy(Qt::NoFocus);
    browse_->setFixedSize(86, ButtonSize);

    label1_ = new QLabel(
        QStringLiteral("Make sure you work between/inside these comments           and do not delete them."), central_);
    label1_->setObjectName(QStringLiteral("Label1"));
    picture1_ = new QLabel(central_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setFixedSize(20, 15);
    picture1_->setPixmap(ToolbarPixmap(QStringLiteral("Picture1"), QSize(20, 15)));
    label2_ = new QLabel(QStringLiteral("To make the HTML tags invisible click on the info button"), central_);
    label2_->setObjectName(QStringLiteral("Label2"));
    picture2_ = new QToolButton(central_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setFixedSize(18, 18);
    picture2_->setIcon(ToolbarIcon(QStringLiteral("Picture2")));
    picture2_->setIconSize(QSize(14, 14));
    picture2_->setAutoRaise(true);
    picture2_->setFocusPolicy(Qt::NoFocus);
    picture2_->setCursor(Qt::PointingHandCursor);

    view_->widget()->setParent(central_);
    source_ = new QPlainTextEdit(central_);
    source_->setObjectName(QStringLiteral("ContentSource"));
    source_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    source_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(12);
    source_->setFont(mono);
    source_->hide();
}

void AdvencedEditor::buildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
    auto item = [this](QMenu* menu, const char* name, const char* caption, const QKeySequence& keys = {}) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    connect(item(file, "save", "Save"), &QAction::triggered, this, &AdvencedEditor::save2);
    connect(item(file, "Exit", "Exit"), &QAction::triggered, this, &AdvencedEditor::exitEditor);

    editMenu_ = bar->addMenu(QStringLiteral("&Edit"));
    editMenu_->setObjectName(QStringLiteral("menu1"));
    struct MenuCommand {
        const char* name;
        const char* caption;
        QKeySequence keys;
        EditCommand command;
    };
    const MenuCommand commands[] = {
        {"smenu1", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), EditCommand::Undo},
        {"smenu2", "Redo", QKeySequence(Qt::CTRL | Qt::Key_R), EditCommand::Redo},
        {nullptr, nullptr, {}, EditCommand::Undo},
        {"smenu3", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X), EditCommand::Cut},
        {"smenu4", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C), EditCommand::Copy},
        {"smneu5", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V), EditCommand::Paste},
        {nullptr, nullptr, {}, EditCommand::Undo},
        {"selectAll", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A), EditCommand::SelectAll},
        {nullptr, nullptr, {}, EditCommand::Undo},
    };
    for (const MenuCommand& m : commands) {
        if (!m.name) {
            editMenu_->addSeparator();
            continue;
        }
        const EditCommand c = m.command;
        connect(item(editMenu_, m.name, m.caption, m.keys), &QAction::triggered, this, [this, c] { command(c); });
    }
    connect(item(editMenu_, "smenu6", "Find", QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered, this,
            &AdvencedEditor::askFind);
}

void AdvencedEditor::placeToolbar() {
    const int width = central_->width();
    int x[3] = {0, 4, 4};
    for (const ToolButtonDef& def : Buttons) {
        int& at = x[def.row];
        if (def.gapBefore)
            at += GroupGap;
        buttons_.value(QString::fromLatin1(def.name))->move(at, def.row == 1 ? Row1Top : Row2Top);
        at += ButtonSize;
    }
    // Right end: ViewSource / Design, save2 before them, Browse below them.
    const int right = std::max(width - 4, x[1] + GroupGap + ButtonSize + GroupGap + WideButton);
    buttons_.value(QStringLiteral("ViewSource"))->move(right - WideButton, Row1Top);
    buttons_.value(QStringLiteral("Design"))->move(right - WideButton, Row1Top);
    buttons_.value(QStringLiteral("save2"))->move(right - WideButton - GroupGap - ButtonSize, Row1Top);
    browse_->move(std::max(right - browse_->width(), x[2] + GroupGap), Row2Top);

    const int labelTop = Row2Top + ButtonSize + 4;
    label1_->adjustSize();
    label1_->move(8, labelTop);
    const QFontMetrics fm(label1_->font());
    const int gapStart = fm.horizontalAdvance(QStringLiteral("Make sure you work between/inside these comments "));
    const int gapWidth = fm.horizontalAdvance(QStringLiteral("         "));
    picture1_->move(8 + gapStart + (gapWidth - picture1_->width()) / 2,
                    labelTop + (label1_->height() - picture1_->height()) / 2);
    label2_->adjustSize();
    label2_->move(8, labelTop + 19);
    picture2_->move(8 + label2_->width() + 4, labelTop + 19 + (label2_->height() - picture2_->height()) / 2);
}

void AdvencedEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeToolbar();
    const QRect area = ViewArea(central_->size(), view_->widget()->geometry());
    view_->widget()->setGeometry(area);
    source_->setGeometry(ViewArea(central_->size(), source_->geometry()));
}
