// The content editor's handling of pasted content, links, and the source
// view (highlighting, and the caret kept at its place across the views).
#include "editor/AdvencedEditor.h"
#include "editor/LinkAddress.h"
#include "editor/PasteCleaner.h"
#include "editor/SourceView.h"
#include "platform/Dialogs.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

void AdvencedEditor::setUpContentEditing() {
    new SourceHighlighter(source_->document());
    connect(view_, &EditView::pasteRequested, this, &AdvencedEditor::pasteContent);
}

void AdvencedEditor::pasteContent(const QString& html, const QString& text) {
    if (sourceView_ || view_->browseMode())
        return;
    const QString clean = html.isEmpty() ? PlainTextAsHtml(text) : CleanPastedHtml(html);
    if (!clean.isEmpty())
        view_->insertHtml(clean);
}

// The dialog opens with the link at the caret (or the selected text); an
// address that is refused brings it back with what the user typed.
void AdvencedEditor::editLink(const LinkInfo& at) {
    LinkChoice offer{at.address, at.text, at.newWindow, false};
    for (;;) {
        const std::optional<LinkChoice> answer = dialogs().editLink(this, offer, at.inLink);
        if (!answer)
            return;
        if (answer->remove) {
            if (at.inLink)
                view_->removeLink();
            return;
        }
        const std::optional<QString> address = CheckedAddress(answer->address);
        if (!address) {
            dialogs().message(this, AddressRefusedMessage, AppTitle, MsgIcon::Warning);
            offer = *answer;
            continue;
        }
        // No text given: the link keeps the text it has, else shows its address.
        QString text = answer->text;
        if (text.isEmpty())
            text = at.text.isEmpty() ? answer->address.trimmed() : at.text;
        view_->setLink(*address, text, answer->newWindow);
        return;
    }
}

void AdvencedEditor::showSource(const QString& html, qsizetype caret) {
    source_->setPlainText(html);
    sourceShown_ = source_->toPlainText(); // as the box gives it back (line ends as LF)
    // The box counts a CR LF as one character.
    qsizetype at = caret < 0 ? 0 : caret;
    at -= html.left(at).count(QStringLiteral("\r\n"));
    QTextCursor cursor = source_->textCursor();
    cursor.setPosition(int(std::min<qsizetype>(at, sourceShown_.size())));
    source_->setTextCursor(cursor);
    source_->show();
    source_->centerCursor();
    source_->setFocus();
}

QString AdvencedEditor::sourceWithCaret() const {
    const QString text = source_->toPlainText();
    const qsizetype at = CaretPlaceInSource(text, source_->textCursor().position());
    return text.left(at) + QLatin1String(EditView::CaretComment) + text.mid(at);
}
