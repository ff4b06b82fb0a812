#include "designer/ImportPicture.h"

#include "designer/ShellCopy.h"
#include "imaging/Jpeg.h"
#include "imaging/PictureFile.h"
#include "imaging/PictureLoader.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "shapes/ShapeSave.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Imported = QStringLiteral("Your Image has been imported Successfully");

CopyResult failed(QWidget* parent, const QString& source, const QString& why) {
    dialogs().message(parent, QStringLiteral("Cannot import \"%1\".\n%2").arg(QFileInfo(source).fileName(), why),
                      AppTitle, MsgIcon::Critical);
    return CopyResult::Failed;
}

} // namespace

QString ImportedName(const QString& source, bool keptAsIs) {
    const QFileInfo info(source);
    return keptAsIs ? info.fileName() : info.completeBaseName() + QStringLiteral(".jpg");
}

CopyResult ImportPicture(QWidget* parent, const QString& source, const QString& folder) {
    // Only pictures this program can show, under names the list can show.
    if (const QString problem = ShapeSave::nameProblem(QFileInfo(source).fileName()); !problem.isEmpty()) {
        dialogs().message(parent, problem, AppTitle, MsgIcon::Warning);
        return CopyResult::Failed;
    }
    if (const PictureLoad check = loadPicture(source, QSize(32, 32)); !check.ok()) {
        dialogs().message(parent, check.error, AppTitle, MsgIcon::Warning);
        return CopyResult::Failed;
    }
    QString error;
    const std::optional<PictureFile::Header> header = PictureFile::probe(source, &error);
    if (!header)
        return failed(parent, source, error);
    const bool asIs = PictureFile::keptAsIs(header->format);
    const QString target = QDir(folder).filePath(ImportedName(source, asIs));
    if (asIs)
        return ShellCopy(parent, source, target, QStringLiteral("Import"));

    const QImage picture = PictureFile::read(source, QSize(), Qt::white, &error);
    if (picture.isNull())
        return failed(parent, source, error);
    if (QFileInfo::exists(target)) {
        const QString question = QStringLiteral("This folder already contains a file named '%1'.\n\n"
                                                "Would you like to replace the existing file?")
                                     .arg(QFileInfo(target).fileName());
        if (dialogs().message(parent, question, QStringLiteral("Confirm File Replace"), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes)
            return CopyResult::Declined;
    }
    try {
        QDir().mkpath(folder);
        SaveJpeg(picture, target, 100);
    } catch (const std::exception& e) {
        return failed(parent, source, ErrorDescription(e));
    }
    dialogs().message(parent, Imported, AppTitle);
    return CopyResult::Copied;
}
