#include "imaging/PictureFile.h"

#include "imaging/PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace PictureFile {

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
        if (error)
            *error = QStringLiteral("\"%1\" is not a picture that can be opened.").arg(QFileInfo(path).fileName());
        return std::nullopt;
    }
    return Header{size, reader.format().toLower()};
}

QImage read(const QString& path, QSize size, const QColor& back, QString* error) {
    PictureBudget budget;
    budget.background = back.rgb();
    const PictureLoad load = loadPicture(path, size, budget);
    if (!load.ok()) {
        if (error)
            *error = load.error;
        return {};
    }
    QImage image = load.image;
    if (!size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    return image;
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
