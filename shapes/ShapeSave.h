#pragma once
// Saving a shape picture into the background library's personal category.
#include <QImage>
#include <QString>
#include <functional>

class QWidget;

namespace ShapeSave {

enum class Result {
    Cancelled, // empty answer or cancelled prompt: nothing shown, nothing saved
    Refused,   // unusable name: explained, nothing saved
    Declined,  // a picture of that name exists and the user kept it
    Failed,    // the file could not be written: reported, nothing changed
    Saved      // written and confirmed
};

// Why a typed name cannot be used as a picture name, or an empty text if it
// can. Refused: blank names, ".." anywhere, path separators, and the
// characters : * ? " < > | and control characters, which no file name on the
// supported desktops may hold (they could also lead outside the category).
QString nameProblem(const QString& name);

// Full path of the picture named `name` in the personal category.
QString picturePath(const QString& name);

// Asks for the name (input box), checks it, asks before replacing an existing
// picture, writes `picture` as a quality-100 JPEG and confirms with the
// message titled "Save". Every question and message goes through dialogs().
// A write failure is reported by reportFailure(reason) when given (the
// caller's own message), else by the shapes window's message. The input box
// proposes `proposedName`; the name saved under goes to *savedName.
Result savePicture(QWidget* parent, const QImage& picture,
                   const std::function<void(const QString& reason)>& reportFailure = nullptr,
                   const QString& proposedName = QString(), QString* savedName = nullptr);

} // namespace ShapeSave
