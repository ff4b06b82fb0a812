#include "imaging/PictureFile.h"

#include "imaging/JpegLoad.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace PictureFile {

namespace {

// Largest picture decoded at its own size: 64 million pixels (256 MB as
// 32-bit pixels). A JPEG is decoded at a reduced scale first, so a larger
// one is accepted when it is asked for at a size within the budget.
constexpr qint64 BudgetPixels = qint64(1) << 26;

qint64 pixels(QSize s) { return qint64(s.width()) * s.height(); }

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QString notAPicture(const QString& path) {
    return QStringLiteral("\"%1\" is not a picture that can be opened.").arg(QFileInfo(path).fileName());
}

} // namespace

QString openFilter() {
    return QStringLiteral("Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp)|*.jpg;*.jpeg;*.png;*.gif;*.webp;*.bmp|"
                          "JPEG Images (*.jpg *.jpeg)|*.jpg;*.jpeg|PNG Images (*.png)|*.png|"
                          "GIF Images (*.gif)|*.gif|WebP Images (*.webp)|*.webp|BMP Images (*.bmp)|*.bmp");
}

std::optional<Header> probe(const QString& path, QString* error) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) {
        setError(error, notAPicture(path));
        return std::nullopt;
    }
    // JPEG is decoded reduced when it is large; other formats need the
    // whole picture in memory once.
    const bool reducible = reader.format() == "jpeg";
    if (pixels(size) > (reducible ? BudgetPixels * 64 : BudgetPixels)) {
        setError(error, QStringLiteral("\"%1\" is too large to open: %2 x %3 pixels.")
                            .arg(QFileInfo(path).fileName())
                            .arg(size.width())
                            .arg(size.height()));
        return std::nullopt;
    }
    return Header{size, reader.format().toLower()};
}

QImage read(const QString& path, QSize size, QString* error) {
    const std::optional<Header> header = probe(path, error);
    if (!header)
        return {};
    const QSize target = size.isEmpty() ? header->size : size;
    QImage image;
    if (header->format == "jpeg" && pixels(JpegDecodeSize(header->size, target)) <= BudgetPixels) {
        QSize full;
        image = LoadPictureAtLeast(path, target, &full); // reduced by the decoder where it can
    } else if (pixels(target) <= BudgetPixels) {
        QImageReader reader(path);
        reader.setAutoTransform(false);
        image = reader.read();
    }
    if (image.isNull()) {
        setError(error, notAPicture(path));
        return {};
    }
    image.setDevicePixelRatio(1.0);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage::Format want = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    return image.format() == want ? image : image.convertToFormat(want);
}

QImage flatten(const QImage& picture, const QColor& back) {
    if (picture.isNull())
        return {};
    if (!picture.hasAlphaChannel())
        return picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    QImage out(picture.size(), QImage::Format_RGB32);
    if (out.isNull())
        return {};
    out.fill(back.rgb());
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, picture);
    return out;
}

QSize fitWithin(QSize size, int maxSide) {
    if (size.isEmpty() || (size.width() <= maxSide && size.height() <= maxSide))
        return size;
    const double scale = std::min(double(maxSide) / size.width(), double(maxSide) / size.height());
    return QSize(std::clamp(int(std::lround(size.width() * scale)), 1, maxSide),
                 std::clamp(int(std::lround(size.height() * scale)), 1, maxSide));
}

bool keptAsIs(const QByteArray& format) { return format == "jpeg" || format == "gif"; }

} // namespace PictureFile
