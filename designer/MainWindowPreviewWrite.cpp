// Writing the preview page: PreviewWriter writes it (in the background for
// large content); a Refresh reloads the views once the page is on disk, while
// the live preview's writes only keep the file current. A failed write is
// told once, with the system's reason.
#include "designer/MainWindow.h"

#include "designer/EnlargedPreview.h"
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/PlainTextMirror.h"
#include "designer/PreviewWriter.h"
#include "platform/AppFolder.h"
#include "platform/SafeWrite.h"

#include <QPlainTextEdit>
#include <QWebEngineView>
#include <algorithm>
#include <utility>

bool General::writePreviewNow() {
    if (!previewWriter_) {
        previewWriter_ = new PreviewWriter(this);
        connect(previewWriter_, &PreviewWriter::written, this, [this](const QString& reason) {
            notePreviewWrite(reason);
            const PendingReload pending = std::exchange(reloadWhenWritten_, PendingReload::None);
            if (pending != PendingReload::None)
                reloadPreviews(pending == PendingReload::Refresh);
        });
    }
    if (!previewWriter_->write(settings(), AppFolder::path()))
        return false;
    notePreviewWrite(previewWriter_->lastError());
    return true;
}

void General::notePreviewWrite(const QString& reason) {
    if (reason.isEmpty())
        previewFailure_.succeeded();
    else
        previewFailure_.failed(this, WriteFailureText(QStringLiteral("preview.html"), reason));
}

void General::reloadWhenWritten(PendingReload kind) {
    bool written = true;
    guarded("preview", [&] { written = writePreviewNow(); });
    if (written)
        reloadPreviews(kind == PendingReload::Refresh);
    else // once the page is on disk
        reloadWhenWritten_ = std::max(reloadWhenWritten_, kind);
}

void General::reloadPreviews(bool refresh) {
    browser_->reload();
    ++reloads_;
    if (enlarged_)
        enlarged_->reload();
    if (refresh)
        emit previewReloaded();
}

QString General::contentText() const {
    // Reading megabytes out of the box at every refresh would stall the
    // window; the mirror follows the box's document edit by edit (its own
    // signal, which also fires while the box's signals are blocked).
    if (contentMirror_->document() != content_->document())
        contentMirror_->watch(content_->document());
    return contentMirror_->text();
}
