// The Export window's fourth frame: the same box as a <wisplet-box> element
// and a deferred script line, for pages that cannot run an inline script.
#include "designer/ExportWindow.h"

#include "platform/AppFolder.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void Export::addEmbedFrame(const WispletSettings& settings, const QFont& font) {
    auto* frame = new QGroupBox(QStringLiteral("Or: embed without inline script"), this);
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSize(10);
    frame->setFont(bold);
    auto* layout = new QVBoxLayout(frame);
    auto* label = new QLabel(QStringLiteral("Instead of the two steps above, place this code in the Body where the "
                                            "Wisplet should stand (the script line may go into the head). It needs no "
                                            "inline script: use it when the page has a Content-Security-Policy, loads "
                                            "its scripts with async or defer, or is built by script."),
                             frame);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    embed_ = new QPlainTextEdit(frame);
    embed_->setObjectName(QStringLiteral("EmbedCode"));
    embed_->setReadOnly(true);
    embed_->setFont(font);
    embed_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    embedCode_ = ExportEmbedCode(settings, AppFolder::path());
    embed_->setPlainText(QString(embedCode_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Both code boxes stay a few lines high, so that the four frames fit a small screen.
    embed_->setFixedHeight(100);
    code_->setMinimumHeight(100);
    code_->setMaximumHeight(100);
    layout->addWidget(embed_);
    auto* copy = new QPushButton(QStringLiteral("Copy"), frame);
    copy->setObjectName(QStringLiteral("CopyEmbed"));
    copy->setFont(font);
    copy->setFixedWidth(80);
    layout->addWidget(copy);
    static_cast<QVBoxLayout*>(this->layout())->addWidget(frame);
    connect(copy, &QPushButton::clicked, this, &Export::copyEmbed);
}

QString Export::embedCode() const { return embedCode_; }

void Export::copyEmbed() {
    embed_->selectAll();
    setLook(embed_, true);
    setLook(myScript_, false);
    setLook(code_, false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(embedCode_);
}
