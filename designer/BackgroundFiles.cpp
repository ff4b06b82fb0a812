#include "designer/BackgroundFiles.h"

#include "imaging/JpegLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

QStringList ListCategoryFiles(const QString& folder) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& info : entries) {
        if (info.isHidden() || info.fileName().startsWith(QLatin1Char('.')))
            continue;
        names << info.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.compare(b, Qt::CaseSensitive) < 0;
    });
    return names;
}

std::optional<QSize> FitTargetSize(std::optional<long long> outerWidth, std::optional<long long> outerHeight,
                                   long long maxSide) {
    if (!outerWidth || !outerHeight)
        return std::nullopt;
    if (*outerWidth < 1 || *outerHeight < 1 || *outerWidth > maxSide || *outerHeight > maxSide)
        return std::nullopt;
    return QSize(int(*outerWidth), int(*outerHeight));
}

QImage FitPicture(const QImage& source, QSize target, ColorValue back) {
    if (target.isEmpty())
        return {};
    if (source.isNull() || source.width() < 1 || source.height() < 1) {
        QImage blank(target, QImage::Format_RGB32);
        if (!blank.isNull())
            blank.fill(Color::toRgb(back));
        return blank;
    }
    QImage opaque = source;
    if (opaque.hasAlphaChannel()) {
        // Transparent parts show the background colour.
        QImage under(source.size(), QImage::Format_RGB32);
        if (under.isNull())
            return {};
        under.fill(Color::toRgb(back));
        QImage src = source;
        src.setDevicePixelRatio(1.0);
        QPainter(&under).drawImage(0, 0, src);
        opaque = under;
    } else if (opaque.format() != QImage::Format_RGB32) {
        opaque = opaque.convertToFormat(QImage::Format_RGB32);
    }
    if (opaque.size() == target)
        return opaque;
    QImage out = opaque.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (out.format() != QImage::Format_RGB32)
        out = out.convertToFormat(QImage::Format_RGB32);
    return out;
}

QImage ThumbnailOrBlank(const QString& fileName, QSize size) {
    QImage thumb = LoadThumbnail(fileName, size);
    if (thumb.isNull()) {
        thumb = QImage(size, QImage::Format_RGB32);
        thumb.fill(Qt::white);
    }
    return thumb;
}

QImage BrokenPictureMark(QSize size) {
    QImage mark(size, QImage::Format_RGB32);
    mark.fill(Qt::white);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawRect(frame);
    const QRectF cross = frame.adjusted(frame.width() / 4, frame.height() / 4, -frame.width() / 4, -frame.height() / 4);
    p.setPen(QPen(QColor(200, 0, 0), std::max(1.5, size.width() / 12.0)));
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    return mark;
}

QList<QImage> MakeThumbnails(const QStringList& fileNames, QSize size, int threads) {
    const int count = int(fileNames.size());
    std::vector<QImage> thumbs(size_t(std::max(count, 0)));
    if (threads <= 0)
        threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    threads = std::min(threads, count);
    std::atomic<int> next {0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++) {
            try {
                thumbs[size_t(i)] = LoadThumbnail(fileNames[i], size);
            } catch (...) {
                // Out of memory on one picture: it gets a blank thumbnail below.
            }
        }
    };
    std::vector<std::thread> pool;
    try {
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: the ones started and this one share the work.
    }
    work();
    for (std::thread& t : pool)
        t.join();
    for (QImage& t : thumbs) {
        if (t.isNull())
            t = BrokenPictureMark(size);
    }
    return QList<QImage>(thumbs.begin(), thumbs.end());
}

QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
