// The main window's preview refresh: the page is written by PreviewWriter
// (in the background for large content) and the views reload once it is on
// disk. A failed write is told once, with the system's reason.
#include "designer/MainWindow.h"

#include "designer/EnlargedPreview.h"
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/PreviewWriter.h"
#include "platform/AppFolder.h"
#include "platform/SafeWrite.h"

#include <QWebEngineView>

bool General::writePreviewNow() {
    if (!previewWriter_) {
        previewWriter_ = new PreviewWriter(this);
        connect(previewWriter_, &PreviewWriter::written, this, [this](const QString& reason) {
            notePreviewWrite(reason);
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
