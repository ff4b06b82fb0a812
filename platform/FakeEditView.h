#pragma once
// A scripted edit view for tests: the document is a plain text that a test
// reads and edits directly; commands and insertions are recorded. Readings
// answer at once unless holdReads is set (then answerReads() answers them).
#include "platform/EditView.h"

#include <QList>
#include <QPair>
#include <QWidget>

class FakeEditView : public EditView {
    Q_OBJECT
public:
    explicit FakeEditView(QWidget* parent = nullptr);

    QWidget* widget() override { return widget_; }
    void load(const QString& html, const QString& baseFolder) override;
    void exec(EditCommand command, const QString& value = QString()) override;
    void insertHtml(const QString& html) override;
    void readHtml(HtmlCallback done) override;
    void readHtmlWithCaret(CaretHtmlCallback done) override;
    void readLink(LinkCallback done) override { done(link); }
    void setLink(const QString& address, const QString& text, bool newWindow) override;
    void removeLink() override;
    void setBrowseMode(bool on) override { browse_ = on; }
    bool browseMode() const override { return browse_; }
    void setShowDetails(bool on) override { details_ = on; }
    bool showDetails() const override { return details_; }

    // The user edits the document: the text is replaced and changed() emitted.
    void userEdits(const QString& newDocument);
    // The engine stops: readings answer nothing from now on.
    void crash();
    void answerReads();

    QString document;     // the current document text
    QString baseFolder;   // as given to the last load
    int loads = 0;
    bool holdReads = false;
    bool unreadable = false; // readings answer nothing
    QList<QPair<EditCommand, QString>> commands;
    QStringList inserted;
    qsizetype caret = -1;    // where readHtmlWithCaret puts the caret
    QString loadedCaretAt;   // the text after the caret comment of the last load
    LinkInfo link;           // what readLink answers
    QStringList linkEdits;   // "set <address>|<text>|<newWindow>" or "remove"


private:
    QWidget* widget_;
    bool browse_ = false;
    bool details_ = true;
    QList<HtmlCallback> held_;
};
