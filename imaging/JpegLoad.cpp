#include "imaging/JpegLoad.h"

namespace {

QImage imageOf(const PictureLoad& load, QSize* fullSize) {
    if (fullSize)
        *fullSize = load.ok() ? load.fullSize : QSize();
    return load.image;
}

} // namespace

QImage LoadPictureDataAtLeast(const QByteArray& data, QSize minSize, QSize* fullSize) {
    return imageOf(loadPictureData(data, QString(), minSize), fullSize);
}

QImage LoadPictureData(const QByteArray& data) { return LoadPictureDataAtLeast(data, QSize()); }

QImage LoadPicture(const QString& fileName) { return loadPicture(fileName).image; }

QImage LoadPictureAtLeast(const QString& fileName, QSize minSize, QSize* fullSize) {
    return imageOf(loadPicture(fileName, minSize), fullSize);
}

QImage LoadThumbnail(const QString& fileName, QSize size) {
    if (size.isEmpty())
        return {};
    const QImage picture = LoadPictureAtLeast(fileName, size);
    if (picture.isNull())
        return {};
    if (picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
