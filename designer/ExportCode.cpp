#include "designer/ExportCode.h"

#include "designer/PreviewPage.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {
const QString ExportFolderName = QStringLiteral("Wisplet_Files");
const QString BeginComment =
    QStringLiteral("<!--------------------------- Begin Wisplet Dorizized Code ------------------------->");
const QString EndComment =
    QStringLiteral("<!--------------------------- End Wisplet Dorizized Code ------------------------->");
} // namespace

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
    return BeginComment + crlf + QStringLiteral("<script>") + crlf + call + crlf + QStringLiteral("</script>") + crlf +
           EndComment;
}

QString ExportEmbedCode(const WispletSettings& s, const QString& appFolder) {
    const std::pair<const char*, QString> values[] = {
        {"waiting", s.waiting},
        {"width", s.width},
        {"height", s.height},
        {"background", QStringLiteral("Wisplet_Files/MyBackground.jpg")},
        {"bg-color", s.bgColor},
        {"align", s.alignText()},
        {"entrance", QString::number(s.entrance)},
        {"content-entrance", QString::number(s.contentEntrance)},
        {"duration", s.duration},
        {"pad-in", s.padIn},
        {"pad-out", s.padOut},
        {"border-style", s.borderStyleText()},
        {"border-width", s.borderWidth},
        {"border-color", s.borderColor},
    };
    QString element = QStringLiteral("<wisplet-box");
    for (const auto& [name, value] : values)
        element += QStringLiteral(" %1=\"%2\"").arg(QString::fromLatin1(name), HtmlAttributeText(value));
    element += BehaviourAttributes(s.behaviour) + QLatin1Char('>');
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("<script src=\"Wisplet_Files/wisplet.js\" defer></script>") + crlf + BeginComment + crlf +
           element + crlf + QStringLiteral("<template><font face=arial>") +
           ContentForTemplate(s.contentHtml, appFolder) + QStringLiteral("</font></template>") + crlf +
           QStringLiteral("</wisplet-box>") + crlf + EndComment;
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
