#include "platform/FailureNotice.h"

#include "platform/Dialogs.h"

void FailureNotice::failed(QWidget* parent, const QString& text) {
    if (text == last_)
        return;
    last_ = text;
    dialogs().message(parent, text, AppTitle, MsgIcon::Critical);
}
