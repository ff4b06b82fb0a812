#pragma once
// The program's error reporter (ShowErrorMessage): one message box with an OK
// button, the error icon and the application title, through dialogs().
//   code 0  the description passed in
//   code 1  "Cannot write to the disk." / "Make sure the disk is not full or write-protected."
//   code 4  "Cannot drawing using the selected tool." / "The needed file may be missing."
// The two lines of codes 1 and 4 are separated by an empty line (CR LF twice).
// Any other code shows nothing. Keeps no state.
#include <QString>

class QWidget;

// The message text for a code, or an empty text for codes that show nothing.
QString ErrorMessageText(int code, const QString& description);
// Shows the message and returns when the user has closed it.
void ShowErrorMessage(int code, const QString& description, QWidget* parent = nullptr);
