#include "shapes/ShapeSave.h"

#include "imaging/Jpeg.h"
#include "platform/AppError.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

namespace ShapeSave {

QString nameProblem(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    // A leading "." would make a hidden file the picture list never shows.
    bool bad = name.trimmed().isEmpty() || name.contains(QStringLiteral("..")) || name.startsWith(QLatin1Char('.'));
    for (const QChar c : name)
        bad = bad || forbidden.contains(c) || c.unicode() < 32;
    if (!bad)
        return {};
    return QStringLiteral("\"%1\" cannot be used as a picture name.\n"
                          "Please enter a name that is not blank, does not start with \".\" and contains neither \"..\" "
                          "nor any of these characters: \\ / : * ? \" < > |")
        .arg(name);
}

QString picturePath(const QString& name) {
    return AppFolder::categoryFolder(QStringLiteral("personal")) + "/" + name + ".jpg";
}

Result savePicture(QWidget* parent, const QImage& picture,
                   const std::function<void(const QString& reason)>& reportFailure, const QString& proposedName,
                   QString* savedName) {
    const QString name =
        dialogs().inputBox(parent, QStringLiteral("Please enter your Image Name"), AppTitle, proposedName);
    if (name.isEmpty())
        return Result::Cancelled;
    if (const QString problem = nameProblem(name); !problem.isEmpty()) {
        dialogs().message(parent, problem, AppTitle, MsgIcon::Warning);
        return Result::Refused;
    }

    const QString path = picturePath(name);
    if (QFileInfo::exists(path)) {
        const MsgAnswer a = dialogs().message(
            parent,
            QStringLiteral("A picture named \"%1\" already exists in the \"Personal\" category.\n"
                           "Do you want to replace it?")
                .arg(name),
            AppTitle, MsgIcon::Question, MsgButtons::YesNo);
        if (a != MsgAnswer::Yes)
            return Result::Declined;
    }

    QString reason;
    try {
        QDir().mkpath(QFileInfo(path).absolutePath()); // a missing category folder is made again
        SaveJpeg(picture, path, 100);
    } catch (const AppError& e) {
        reason = e.description;
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    if (!reason.isNull()) {
        if (reportFailure) {
            reportFailure(reason);
            return Result::Failed;
        }
        dialogs().message(parent, QStringLiteral("Cannot save the image...\n\n") + reason, AppTitle,
                          MsgIcon::Critical);
        return Result::Failed;
    }
    if (savedName)
        *savedName = name;
    dialogs().message(parent, QStringLiteral("Your Picture has been saved under \"Personal\" category."),
                      QStringLiteral("Save"), MsgIcon::Information);
    return Result::Saved;
}

} // namespace ShapeSave
