#include "designer/PreviewWriter.h"

#include "designer/PreviewPage.h"

#include <QCoreApplication>

namespace {
QString writePage(const WispletSettings& s, const QString& folder) {
    QString reason;
    if (!WriteTextFileAtomically(folder + QStringLiteral("/samples/preview.html"), PreviewPageText(s, folder),
                                 &reason) && reason.isEmpty())
        reason = QStringLiteral("Unknown error");
    return reason;
}
} // namespace

PreviewWriter::PreviewWriter(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
}

PreviewWriter::~PreviewWriter() {
    shared_->owner = nullptr;
    if (worker_.joinable())
        worker_.join();
}

bool PreviewWriter::write(const WispletSettings& s, const QString& appFolder) {
    if (running_) {
        pending_ = Job {s, appFolder}; // replaces any older waiting request
        return false;
    }
    if (s.contentHtml.size() <= InlineLimit) {
        lastError_ = writePage(s, appFolder);
        return true;
    }
    start(Job {s, appFolder});
    return false;
}

void PreviewWriter::start(Job job) {
    if (worker_.joinable())
        worker_.join(); // the previous worker has already handed its result over
    running_ = true;
    std::shared_ptr<Shared> shared = shared_;
    worker_ = std::thread([job = std::move(job), shared] {
        QString reason;
        try {
            reason = writePage(job.settings, job.folder);
        } catch (const std::bad_alloc&) {
            reason = QStringLiteral("Out of memory");
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared, reason] {
                if (shared->owner)
                    shared->owner->finished(reason);
            },
            Qt::QueuedConnection);
    });
}

void PreviewWriter::finished(const QString& reason) {
    running_ = false;
    lastError_ = reason;
    if (pending_) {
        Job next = std::move(*pending_);
        pending_.reset();
        if (next.settings.contentHtml.size() > InlineLimit) {
            start(std::move(next));
            return; // the page now written is already out of date
        }
        lastError_ = writePage(next.settings, next.folder);
    }
    emit written(lastError_);
}
