#include "designer/BackgroundLibrary.h"

#include "designer/BackgroundFiles.h"
#include "designer/LoadingWindow.h"
#include "designer/ImportPicture.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"
#include "imaging/PictureFile.h"
#include "platform/AppError.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/SafeWrite.h"
#include "platform/Shell.h"
#include "shapes/ShapeSave.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QSignalBlocker>

#include <thread>

namespace {
const QString NoneItem = QStringLiteral("None");

ColorValue windowColor() {
    return Color::fromQColor(QGuiApplication::palette().color(QPalette::Window));
}
// The thumbnails are made on worker threads; the window's events go on
// meanwhile (the waiting window repaints, the program does not hang).
QList<QImage> ThumbnailsWhileResponsive(const QStringList& paths, QSize size) {
    if (paths.isEmpty())
        return {};
    QList<QImage> thumbs;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            thumbs = MakeThumbnails(paths, size);
        } catch (...) {
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    while (thumbs.size() < paths.size())
        thumbs << BrokenPictureMark(size);
    return thumbs;
}
} // namespace

BackgroundLibrary::BackgroundLibrary(QComboBox* backCat, QComboBox* backImage,
                                     std::function<WispletSettings()> settings, QWidget* dialogParent,
                                     QObject* parent)
    : QObject(parent), backCat_(backCat), backImage_(backImage), settings_(std::move(settings)),
      dialogParent_(dialogParent), picture1_(1, 1, windowColor()), picture2_(1, 1, windowColor()) {
    picture1_.autoSize = true;
    picture1_.image().fill(Color::toRgb(picture1_.backColor));
    picture2_.image().fill(Color::toRgb(picture2_.backColor));
    if (backImage_)
        backImage_->setIconSize(QSize(ThumbSize, ThumbSize));
}

BackgroundLibrary::~BackgroundLibrary() = default;

QString BackgroundLibrary::categoryText() const { return backCat_ ? backCat_->currentText() : QString(); }

void BackgroundLibrary::setSource(const QImage& picture) {
    if (picture.isNull())
        return;
    picture1_.image() = picture.format() == QImage::Format_RGB32 ? picture
                                                                 : FitPicture(picture, picture.size(), picture1_.backColor);
    hasSource_ = true;
    sourceFile_.clear();
    sourceFullSize_ = picture.size();
}

void BackgroundLibrary::clearSource() {
    picture1_.image() = QImage(1, 1, QImage::Format_RGB32);
    picture1_.image().fill(Color::toRgb(picture1_.backColor));
    hasSource_ = false;
    sourceFile_.clear();
    sourceFullSize_ = QSize();
}

std::optional<QSize> BackgroundLibrary::outerSize() const {
    const WispletSettings s = settings_ ? settings_() : WispletSettings();
    return FitTargetSize(s.outerWidth(), s.outerHeight(), MaxOuterSide);
}

void BackgroundLibrary::setBackColor(ColorValue c) {
    picture2_.backColor = c;
    picture1_.backColor = c;
    if (!hasSource_)
        picture1_.image().fill(Color::toRgb(c));
}

void BackgroundLibrary::ReadBack(const QString& category) {
    try {
        const QSize thumbSize(ThumbSize, ThumbSize);
        thumbnails_.clear();
        if (backImage_) {
            const QSignalBlocker block(backImage_);
            backImage_->clear();
            backImage_->setIconSize(thumbSize);

            const QStringList files = ListCategoryFiles(AppFolder::categoryFolder(category));
            const QString folder = AppFolder::categoryFolder(category) + QLatin1Char('/');

            QImage spacer = ThumbnailOrBlank(AppFolder::file(QLatin1String(AppFolder::Spacer)), thumbSize);
            thumbnails_.insert(QStringLiteral("Background 1"), spacer);
            backImage_->addItem(QIcon(QPixmap::fromImage(spacer)), NoneItem);
            backImage_->setCurrentIndex(0);

            QStringList paths;
            for (const QString& name : files)
                paths << folder + name;
            const QList<QImage> thumbs = ThumbnailsWhileResponsive(paths, thumbSize);
            for (int i = 0; i < files.size(); ++i) {
                const int n = i + 2;
                thumbnails_.insert(QStringLiteral("Background ") + QString::number(n), thumbs[i]);
                backImage_->addItem(QIcon(QPixmap::fromImage(thumbs[i])), files[i]);
            }
        }
    } catch (...) {
        // A failure while filling leaves the items added so far.
    }
    emit listRebuilt();
    if (loading_)
        loading_->finish();
}

void BackgroundLibrary::ShowLoading() {
    if (loading_)
        return; // already waiting
    LoadingWindow window(dialogParent_, [this] { ReadBack(categoryText()); });
    loading_ = &window;
    window.exec();
    loading_ = nullptr;
}

void BackgroundLibrary::SelectAndFit() {
    if (!backCat_ || !backImage_ || backCat_->currentIndex() <= 0)
        return;
    const QString item = backImage_->currentText();
    if (item.isEmpty() || item == NoneItem)
        return;
    const QString file = AppFolder::categoryFolder(categoryText()) + QLatin1Char('/') + item;
    const std::optional<QSize> target = outerSize();
    const PictureLoad load = loadPicture(file, target.value_or(QSize()));
    if (!load.ok()) {
        // Not a readable picture: the previous working picture stays.
        dialogs().message(dialogParent_, load.error, AppTitle, MsgIcon::Warning);
        return;
    }
    setSource(load.image);
    sourceFile_ = file;
    sourceFullSize_ = load.fullSize;
    FitBackground();
}

bool BackgroundLibrary::FitBackground() {
    try {
        const std::optional<QSize> size = outerSize();
        if (!size)
            return false;
        if (!sourceFile_.isEmpty() && !DecodedCovers(picture1_.image().size(), sourceFullSize_, *size)) {
            // Decoded too small for this size: decode the file again. A file
            // that is gone or now holds another picture leaves Picture1 as is.
            QSize fullSize;
            const QImage again = LoadPictureAtLeast(sourceFile_, *size, &fullSize);
            if (!again.isNull() && fullSize == sourceFullSize_)
                picture1_.image() = again;
        }
        QImage fitted = FitPicture(picture1_.image(), *size, picture2_.backColor);
        if (fitted.isNull())
            return false;
        picture2_.image() = std::move(fitted);
        const QString path = AppFolder::file(QLatin1String(AppFolder::Background));
        QString reason;
        try {
            SaveJpeg(picture2_.image(), path, 100, &reason);
        } catch (const std::exception& e) {
            // The previous working picture stays; said once, not per spinner step.
            writeFailure_.failed(dialogParent_, WriteFailureText(path, reason.isEmpty() ? ErrorDescription(e) : reason));
            return false;
        }
        writeFailure_.succeeded();
    } catch (...) {
        return false; // the previous working picture stays
    }
    emit backgroundWritten();
    return true;
}

void BackgroundLibrary::Import() {
    if (!backCat_ || backCat_->currentIndex() <= 0) {
        dialogs().message(dialogParent_, QStringLiteral("Please select a category"), AppTitle);
        return;
    }
    ImportBackground();
}

void BackgroundLibrary::ImportBackground() {
    try {
        const std::optional<QString> chosen =
            dialogs().openFile(dialogParent_, QStringLiteral("Open"), PictureFile::openFilter());
        if (!chosen || chosen->isEmpty() || FileNamePart(*chosen).isEmpty())
            return;
        ImportPicture(dialogParent_, *chosen, AppFolder::categoryFolder(categoryText()));
    } catch (...) {
        // Any failure ends the import silently.
    }
}

void BackgroundLibrary::ViewAll() {
    if (!backCat_ || backCat_->currentIndex() <= 0) {
        dialogs().message(dialogParent_, QStringLiteral("Please select a category"), AppTitle);
        return;
    }
    OpenCategoryFolder();
}

void BackgroundLibrary::OpenCategoryFolder() {
    const QString folder = AppFolder::categoryFolder(categoryText());
    QDir().mkpath(folder); // a deleted category folder is made again so it can open
    shell().openDocument(folder);
}

QString BackgroundLibrary::chosenPicture() const {
    if (!backCat_ || !backImage_ || backCat_->currentIndex() <= 0)
        return {};
    const QString item = backImage_->currentText();
    if (item.isEmpty() || item == NoneItem)
        return {};
    return AppFolder::categoryFolder(categoryText()) + QLatin1Char('/') + item;
}

void BackgroundLibrary::pictureSaved(const QString& path) {
    const QString chosen = chosenPicture();
    const QString personal = QStringLiteral("personal");
    if (categoryText() == personal) {
        const QString item = backImage_->currentText();
        ReadBack(personal);
        const QSignalBlocker block(backImage_);
        if (const int i = backImage_->findText(item, Qt::MatchExactly); i > 0)
            backImage_->setCurrentIndex(i);
    }
    const QFileInfo saved(path);
    if (!chosen.isEmpty() && QFileInfo(chosen).absoluteFilePath() == saved.absoluteFilePath())
        SelectAndFit();
}
