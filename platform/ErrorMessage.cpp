#include "platform/ErrorMessage.h"

#include "platform/Dialogs.h"

QString ErrorMessageText(int code, const QString& description) {
    switch (code) {
    case 0: return description;
    case 1: return QStringLiteral("Cannot write to the disk.\r\n\r\nMake sure the disk is not full or write-protected.");
    case 4: return QStringLiteral("Cannot drawing using the selected tool.\r\n\r\nThe needed file may be missing.");
    default: return {};
    }
}

void ShowErrorMessage(int code, const QString& description, QWidget* parent) {
    if (code != 0 && code != 1 && code != 4)
        return;
    dialogs().message(parent, ErrorMessageText(code, description), AppTitle, MsgIcon::Critical, MsgButtons::Ok);
}
