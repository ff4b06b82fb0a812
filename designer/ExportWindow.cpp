#include "designer/ExportWindow.h"

#include "designer/ShellCopy.h"

#include "platform/AppContext.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QGroupBox* frame(const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    QFont f = box->font();
    f.setBold(true);
    f.setPointSize(10);
    box->setFont(f);
    return box;
}

// Children of a bold frame keep the window's normal font.
QLabel* label(const QString& text, QWidget* parent, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

Export::Export(const WispletSettings& settings, QWidget* owner) : QWidget(nullptr, Qt::Tool), owner_(owner) {
    setObjectName(QStringLiteral("Export"));
    setWindowTitle(QStringLiteral(" Export Wisplet Files"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);
    QFont normal = QFont(QStringLiteral("Arial"));
    normal.setPixelSize(11);
    normal.setBold(false); // explicit, so the bold frames do not pass their weight on
    setFont(normal);

    auto* root = new QVBoxLayout(this);

    QGroupBox* first = frame(QStringLiteral("First Step"), this);
    auto* firstLayout = new QVBoxLayout(first);
    firstLayout->addWidget(label(QStringLiteral("Export the Wisplet Files"), first, normal));
    exportButton_ = new QPushButton(QStringLiteral("Export Files"), first);
    exportButton_->setObjectName(QStringLiteral("Command1"));
    exportButton_->setFont(normal);
    exportButton_->setFixedWidth(120);
    firstLayout->addWidget(exportButton_);
    firstLayout->addWidget(
        label(QStringLiteral("Rem.: Your html file must be located at the same level of exported files"), first, normal));
    root->addWidget(first);

    QGroupBox* second = frame(QStringLiteral("Second Step"), this);
    auto* secondLayout = new QVBoxLayout(second);
    secondLayout->addWidget(label(QStringLiteral("Place the following code in the head of your html File"), second, normal));
    secondLayout->addWidget(label(QStringLiteral("<HEAD>"), second, normal));
    myScript_ = new QLineEdit(ExportHeadLine(), second);
    myScript_->setObjectName(QStringLiteral("MyScript"));
    myScript_->setReadOnly(true);
    myScript_->setFont(normal);
    myScript_->setCursorPosition(0);
    secondLayout->addWidget(myScript_);
    secondLayout->addWidget(label(QStringLiteral("</HEAD>"), second, normal));
    auto* copyScriptButton = new QPushButton(QStringLiteral("Copy"), second);
    copyScriptButton->setObjectName(QStringLiteral("CopyScript"));
    copyScriptButton->setFont(normal);
    copyScriptButton->setFixedWidth(80);
    secondLayout->addWidget(copyScriptButton);
    root->addWidget(second);

    QGroupBox* third = frame(QStringLiteral("Third Step"), this);
    auto* thirdLayout = new QVBoxLayout(third);
    thirdLayout->addWidget(label(QStringLiteral("Place the following code in the Body of your document at the place "
                                                "where you want to display the Wisplet."),
                                 third, normal));
    thirdLayout->addWidget(label(QStringLiteral("<BODY>"), third, normal));
    code_ = new QPlainTextEdit(third);
    code_->setObjectName(QStringLiteral("Code"));
    code_->setReadOnly(true);
    code_->setFont(normal);
    code_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    code_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    code_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    bodyCode_ = ExportBodyCode(settings, AppFolder::path());
    code_->setPlainText(QString(bodyCode_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    code_->setMinimumHeight(110);
    thirdLayout->addWidget(code_);
    thirdLayout->addWidget(label(QStringLiteral("</BODY>"), third, normal));
    auto* copyContentButton = new QPushButton(QStringLiteral("Copy"), third);
    copyContentButton->setObjectName(QStringLiteral("CopyContent"));
    copyContentButton->setFont(normal);
    copyContentButton->setFixedWidth(80);
    thirdLayout->addWidget(copyContentButton);
    root->addWidget(third);
    addEmbedFrame(settings, normal);

    setLook(myScript_, false);
    setLook(code_, false);
    connect(exportButton_, &QPushButton::clicked, this, &Export::exportFiles);
    connect(copyScriptButton, &QPushButton::clicked, this, &Export::copyScript);
    connect(copyContentButton, &QPushButton::clicked, this, &Export::copyContent);
    resize(QSize(480, 470).expandedTo(sizeHint()));
    setLook(embed_, false);
}

Export::~Export() {
    if (owner_)
        owner_->setEnabled(true);
}

QString Export::headLine() const { return myScript_->text(); }
QString Export::bodyCode() const { return bodyCode_; }

void Export::setLook(QWidget* box, bool highlighted) {
    QPalette pal = box->palette();
    const QColor back = highlighted ? QApplication::palette().color(QPalette::Highlight) : QColor(Qt::white);
    const QColor text = highlighted ? QColor(Qt::white) : QColor(Qt::black);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, back);
        pal.setColor(group, QPalette::Text, text);
    }
    box->setPalette(pal);
}

void Export::exportFiles() {
    setLook(embed_, false);
    setLook(myScript_, false);
    setLook(code_, false);
    const std::optional<QString> folder = dialogs().chooseFolder(this, QStringLiteral("Select your target Folder"));
    if (!folder || folder->trimmed().isEmpty())
        return;
    outcome_ = ExportWispletFiles(AppFolder::path(), *folder, AppContext::instance().ImageCount,
                                  [this](const QString& source, const QString& destination) {
                                      return ShellCopy(this, source, destination, QStringLiteral("Export"));
                                  });
    dialogs().message(this, ExportMessage(outcome_), AppTitle,
                      outcome_.allCopied() ? MsgIcon::None : MsgIcon::Warning);
}

void Export::copyScript() {
    myScript_->selectAll();
    setLook(embed_, false);
    setLook(myScript_, true);
    setLook(code_, false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(myScript_->text());
}

void Export::copyContent() {
    code_->selectAll();
    setLook(embed_, false);
    setLook(code_, true);
    setLook(myScript_, false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(bodyCode());
}

void Export::closeEvent(QCloseEvent* event) {
    if (owner_)
        owner_->setEnabled(true);
    QWidget::closeEvent(event);
}
