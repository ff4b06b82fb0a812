#include "designer/DesignPictures.h"

#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include "platform/SafeWrite.h"

namespace {
QString workingFolder(const QString& appFolder) {
    return appFolder + QLatin1Char('/') + QLatin1String(AppFolder::WorkingFolder) + QLatin1Char('/');
}

std::optional<QByteArray> readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    const QString why = WriteFileAtomically(path, bytes);
    if (why.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), why);
    return false;
}

QString categoryFolder(const QString& appFolder, const QString& category) {
    return appFolder + QLatin1Char('/') + QLatin1String(AppFolder::Backgrounds) + QLatin1Char('/') + category +
           QLatin1Char('/');
}

QString imageName(int number, const QString& ext) { return QStringLiteral("MyImage%1.%2").arg(number).arg(ext); }

int imageNumber(const QString& name) { return name.mid(7, name.indexOf(QLatin1Char('.')) - 7).toInt(); }
QString imageExt(const QString& name) { return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1); }
} // namespace

DesignDocument CollectDesign(const WispletSettings& settings, const QString& appFolder) {
    DesignDocument d;
    d.settings = settings;
    d.settings.autoPreview = false;
    d.settings.backCategory = 0;
    d.settings.backImage.clear();
    QStringList entries;
    const QString folder = workingFolder(appFolder);
    for (int n : ReferencedImageNumbers(settings.contentHtml)) {
        for (const char* ext : {"jpg", "gif"}) {
            const QString name = imageName(n, QString::fromLatin1(ext));
            if (const auto bytes = readFile(folder + name)) {
                d.images.append({name, QStringLiteral("pictures/") + name, *bytes});
                entries << name;
                break;
            }
        }
    }
    const std::optional<QString> category = settings.categoryName();
    if (category && !settings.backImage.isEmpty() && settings.backImage != QLatin1String("None")) {
        if (const auto bytes = readFile(categoryFolder(appFolder, *category) + settings.backImage)) {
            const QString entry =
                entries.contains(settings.backImage) ? QStringLiteral("background-") + settings.backImage : settings.backImage;
            d.background = DesignBackground{settings.backCategory, settings.backImage,
                                            QStringLiteral("pictures/") + entry, *bytes};
            d.settings.backCategory = settings.backCategory;
            d.settings.backImage = settings.backImage;
        }
    }
    return d;
}

bool InstallDesignImages(DesignDocument& design, const QString& appFolder, int& imageCount, QString* error) {
    const QString folder = workingFolder(appFolder);
    QDir().mkpath(folder);
    // Is number n free for these bytes? Free: no MyImage<n> file at all, or
    // only this very picture under the same extension.
    auto fits = [&](int n, const QString& ext, const QByteArray& bytes) {
        const QString other = ext == QLatin1String("jpg") ? QStringLiteral("gif") : QStringLiteral("jpg");
        if (QFileInfo::exists(folder + imageName(n, other)))
            return false;
        const auto existing = readFile(folder + imageName(n, ext));
        return !QFileInfo::exists(folder + imageName(n, ext)) || (existing && *existing == bytes);
    };
    QList<int> taken;
    for (const DesignImage& image : design.images)
        taken << imageNumber(image.name);
    int next = imageCount;
    for (int n : taken)
        next = std::max(next, n);
    QHash<int, int> renumbered;
    for (DesignImage& image : design.images) {
        const int n = imageNumber(image.name);
        const QString ext = imageExt(image.name);
        int target = n;
        if (!fits(n, ext, image.bytes)) {
            do
                ++next;
            while (!fits(next, ext, image.bytes));
            target = next;
            renumbered.insert(n, target);
        }
        const QString name = imageName(target, ext);
        if (!QFileInfo::exists(folder + name) && !writeFile(folder + name, image.bytes, error))
            return false;
        image.name = name;
        image.picture = QStringLiteral("pictures/") + name;
        imageCount = std::max(imageCount, target);
    }
    if (!renumbered.isEmpty())
        design.settings.contentHtml = RenumberImageReferences(design.settings.contentHtml, renumbered);
    return true;
}

QString PlaceDesignBackground(const DesignBackground& background, const QString& appFolder, QString* error) {
    const QString category = WispletSettings::backCategories().value(background.category);
    const QString folder = categoryFolder(appFolder, category);
    QDir().mkpath(folder);
    const QFileInfo info(background.name);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int i = 1; i < 10000; ++i) {
        const QString name = i == 1 ? background.name : QStringLiteral("%1-%2%3").arg(base).arg(i).arg(suffix);
        if (!QFileInfo::exists(folder + name))
            return writeFile(folder + name, background.bytes, error) ? name : QString();
        if (readFile(folder + name) == background.bytes)
            return name;
    }
    if (error)
        *error = QStringLiteral("no free name for %1 in the %2 category").arg(background.name, category);
    return QString();
}
