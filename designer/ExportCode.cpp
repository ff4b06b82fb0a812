#include "designer/ExportCode.h"

#include "designer/PreviewPage.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString ExportFolderName = QStringLiteral("Wisplet_Files");
}

QString ExportHeadLine() {
    return QStringLiteral("<script language=\"javascript\" src=\"Wisplet_Files/wisplet.js\"></script>");
}

QString ExportBodyCode(const WispletSettings& s, const QString& appFolder) {
    QString call = WriteWispletCall(s, appFolder, QStringLiteral("Wisplet_Files/MyBackground.jpg"));
    const QString open = QStringLiteral("<script>");
    const QString close = QStringLiteral("</script>");
    if (call.startsWith(open))
        call.remove(0, open.size());
    if (call.endsWith(close))
        call.chop(close.size());
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("<!--------------------------- Begin Wisplet Dorizized Code ------------------------->") +
           crlf + QStringLiteral("<script>") + crlf + call + crlf + QStringLiteral("</script>") + crlf +
           QStringLiteral("<!--------------------------- End Wisplet Dorizized Code ------------------------->");
}

QStringList ExportSources(const QString& appFolder, int imageCount) {
    const QString dir = appFolder + QStringLiteral("/samples/Wisplet_Files/");
    QStringList names{QStringLiteral("wisplet.js")};
    if (QFileInfo::exists(dir + QStringLiteral("MyBackground.jpg")))
        names << QStringLiteral("MyBackground.jpg");
    for (int n = 1; n <= imageCount; ++n) {
        const QString jpg = QStringLiteral("MyImage%1.jpg").arg(n);
        const QString gif = QStringLiteral("MyImage%1.gif").arg(n);
        if (QFileInfo::exists(dir + jpg))
            names << jpg;
        else if (QFileInfo::exists(dir + gif))
            names << gif;
    }
    return names;
}

QString PrepareExportFolder(const QString& targetFolder) {
    const QDir target(targetFolder);
    const QStringList entries = target.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (!entries.contains(ExportFolderName, Qt::CaseSensitive))
        target.mkdir(ExportFolderName);
    return QDir::cleanPath(targetFolder) + QLatin1Char('/') + ExportFolderName + QLatin1Char('/');
}

ExportOutcome ExportWispletFiles(const QString& appFolder, const QString& targetFolder, int imageCount,
                                 const ExportCopy& copy) {
    ExportOutcome outcome;
    const QString destination = PrepareExportFolder(targetFolder);
    const QString sourceDir = appFolder + QStringLiteral("/samples/Wisplet_Files/");
    for (const QString& name : ExportSources(appFolder, imageCount)) {
        CopyResult result = CopyResult::Failed;
        if (copy)
            result = copy(sourceDir + name, destination);
        (result == CopyResult::Copied ? outcome.copied : outcome.notCopied) << name;
    }
    return outcome;
}

QString ExportMessage(const ExportOutcome& outcome) {
    if (outcome.allCopied())
        return QStringLiteral("Your Files have been exported Successfully");
    return QStringLiteral("These files have not been exported:\n") + outcome.notCopied.join(QLatin1Char('\n'));
}
