// Writing the preview page: PreviewWriter writes it (in the background for
// large content); a Refresh reloads the views once the page is on disk, while
// the live preview's writes only keep the file current. A failed write is
// told once, with the system's reason.
#include "designer/MainWindow.h"

#include "designer/EnlargedPreview.h"
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/PreviewWriter.h"
#include "platform/AppFolder.h"
#include "platform/SafeWrite.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWebEngineView>
#include <utility>

bool General::writePreviewNow() {
    if (!previewWriter_) {
        previewWriter_ = new PreviewWriter(this);
        connect(previewWriter_, &PreviewWriter::written, this, [this](const QString& reason) {
            notePreviewWrite(reason);
            if (std::exchange(reloadWhenWritten_, false))
                reloadPreviews();
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

void General::reloadPreviews() {
    browser_->reload();
    ++reloads_;
    if (enlarged_)
        enlarged_->reload();
    emit previewReloaded();
}

QString General::contentText() const {
    // Reading megabytes out of the box takes long enough to stall the window
    // at every refresh; an unchanged content is taken from the last reading.
    // The document's own signal is watched: it also fires while the box's
    // signals are blocked.
    QTextDocument* document = content_->document();
    if (document != contentWatched_) {
        connect(document, &QTextDocument::contentsChanged, this, [this] { contentChanged_ = true; });
        contentWatched_ = document;
        contentChanged_ = true;
    }
    if (contentChanged_) {
        contentCache_ = content_->toPlainText();
        contentChanged_ = false;
    }
    return contentCache_;
}
