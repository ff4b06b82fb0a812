#include "platform/FakeEditView.h"

FakeEditView::FakeEditView(QWidget* parent) : EditView(nullptr), widget_(new QWidget(parent)) {
    widget_->setObjectName(QStringLiteral("DHTMLEdit1"));
    setParent(widget_);
}

void FakeEditView::load(const QString& html, const QString& folder) {
    document = html;
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
