#pragma once
// Writes samples/preview.html without holding up the window: a page with
// little content is written at once; a large one is built and written on a
// worker thread and `written` tells when it is on disk. A newer request
// supersedes one still waiting, so only the latest settings get written
// once the worker is free.
#include "designer/WispletSettings.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <thread>

class PreviewWriter : public QObject {
    Q_OBJECT
public:
    // Content up to this many characters is written on the calling thread.
    static constexpr qsizetype InlineLimit = 256 * 1024;

    explicit PreviewWriter(QObject* parent = nullptr);
    ~PreviewWriter() override; // waits for a write in progress

    // Writes the page for `s` into appFolder/samples/preview.html. Returns
    // true when it was written (or failed) before returning; false when the
    // write goes on in the background (`written` follows).
    bool write(const WispletSettings& s, const QString& appFolder);

    // True while a background write is under way or waiting.
    bool busy() const { return running_; }
    // The system's reason of the last write that failed (empty after a success).
    const QString& lastError() const { return lastError_; }

signals:
    // A background write ended (the newest requested); reason empty on success.
    void written(const QString& reason);

private:
    struct Job {
        WispletSettings settings;
        QString folder;
    };
    struct Shared {
        PreviewWriter* owner = nullptr; // read and cleared on the window's thread only
    };
    void start(Job job);
    void finished(const QString& reason);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    bool running_ = false;
    std::optional<Job> pending_;
    QString lastError_;
};
