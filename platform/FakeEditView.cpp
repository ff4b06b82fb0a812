#include "platform/FakeEditView.h"

FakeEditView::FakeEditView(QWidget* parent) : EditView(nullptr), widget_(new QWidget(parent)) {
    widget_->setObjectName(QStringLiteral("DHTMLEdit1"));
    setParent(widget_);
}

void FakeEditView::load(const QString& html, const QString& folder) {
    document = html;
    const qsizetype at = html.indexOf(QLatin1String(CaretComment));
    loadedCaretAt = at < 0 ? QString() : html.mid(at + qsizetype(qstrlen(CaretComment)));
    if (at >= 0)
        document.remove(at, qsizetype(qstrlen(CaretComment)));
    baseFolder = folder;
    ++loads;
    emit loaded(true);
}

void FakeEditView::exec(EditCommand command, const QString& value) { commands.append({command, value}); }

void FakeEditView::insertHtml(const QString& html) {
    inserted.append(html);
    emit changed();
}

void FakeEditView::readHtml(HtmlCallback done) {
    if (holdReads) {
        held_.append(std::move(done));
        return;
    }
    done(unreadable ? std::nullopt : std::optional<QString>(document));
}

void FakeEditView::answerReads() {
    const auto held = std::move(held_);
    held_.clear();
    for (const auto& done : held)
        done(unreadable ? std::nullopt : std::optional<QString>(document));
}

void FakeEditView::userEdits(const QString& newDocument) {
    document = newDocument;
    emit changed();
}

void FakeEditView::crash() {
    unreadable = true;
    answerReads();
    emit crashed();
}

void FakeEditView::readHtmlWithCaret(CaretHtmlCallback done) {
    readHtml([this, done](std::optional<QString> html) {
        const qsizetype at = html ? caret : -1;
        done(std::move(html), at);
    });
}

void FakeEditView::setLink(const QString& address, const QString& text, bool newWindow) {
    linkEdits << QStringLiteral("set %1|%2|%3").arg(address, text, newWindow ? QStringLiteral("new") : QStringLiteral("same"));
    emit changed();
}

void FakeEditView::removeLink() {
    linkEdits << QStringLiteral("remove");
    emit changed();
}
