#include "designer/ShellCopy.h"

#include "platform/Dialogs.h"

CopyResult ShellCopy(QWidget* parent, const QString& source, const QString& destination, const QString& purpose) {
    const CopyResult result = shell().copyFile(parent, source, destination);
    if (result == CopyResult::Copied && purpose == QLatin1String("Import"))
        dialogs().message(parent, QStringLiteral("Your Image has been imported Successfully"), AppTitle);
    return result;
}
