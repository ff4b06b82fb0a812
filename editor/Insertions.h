#pragma once
// The HTML that the insertion dialogs compose, and the copy of a chosen
// picture into the working folder.
#include <QString>
#include <functional>
#include <optional>

struct ImageFields {
    QString src;
    QString alt;
    QString align = QStringLiteral("Default");
    QString border = QStringLiteral("0");
    QString spaceH = QStringLiteral("0"); // "Horizontal:"
    QString spaceV = QStringLiteral("0"); // "Vertical:"
    QString width;
    QString height;
};

// One image tag: src (quoted), alt (always quoted), align, border, vspace,
// hspace, then width and height when filled. Values are escaped inside their
// quotes; align, border, vspace, hspace, width and height go bare when they
// are a safe token (letters, digits, "#", "%", ".", "-", "_"), else quoted.
QString ImageTag(const ImageFields& fields);

// The extension of a picture's file name for its working copy: the text after
// the last "." of the name (not of the folders), lower-cased, with "jpeg" and
// "jpe" written "jpg". Empty when the name has no extension.
QString PictureExtension(const QString& path);
// Whether the export and preview take a working picture with this extension.
bool IsWorkingPictureExtension(const QString& extension);

enum class PictureOutcome { Copied, NoExtension, NotAPicture, CopyFailed };
struct PictureCopy {
    PictureOutcome outcome = PictureOutcome::CopyFailed;
    int number = 0;    // the MyImage number used (0 when none was used)
    QString source;    // "Wisplet_Files\MyImage<N>.<ext>" when copied
};
// Copy a file to its destination path, replacing what is there. True on success.
using PlainCopy = std::function<bool(const QString& source, const QString& destination)>;

// Copy `path` into appFolder/samples/Wisplet_Files as MyImage<N>.<ext>, N being
// imageCount + 1; imageCount is raised when a copy was attempted (a failed copy
// uses up its number, as the number may already be on disk).
PictureCopy CopyPictureIn(const QString& path, const QString& appFolder, int& imageCount, const PlainCopy& copy);
// What to tell the user when a picture was not copied (empty when copied).
QString PictureMessage(PictureOutcome outcome);

struct TableFields {
    QString align = QStringLiteral("Left");
    QString border = QStringLiteral("1");
    QString spacing = QStringLiteral("1");
    QString padding = QStringLiteral("1");
    QString rows = QStringLiteral("3");
    QString columns = QStringLiteral("3");
};

// A text as a 16-bit whole number, rounded to the nearest (halves to even);
// 0 when it is not a number or out of range.
int ToWhole16(const QString& text);

// The table as the editor inserts it: as wide as the box's content area and
// with a line break in each empty cell, so that its rows have the height of a
// line and every cell can take the caret.
QString TableForEditing(const QString& tableHtml);

// Tables with more cells than this are refused.
inline constexpr long long MaxTableCells = 100000;
// The empty table; nothing when rows * columns exceeds MaxTableCells.
std::optional<QString> TableHtmlFor(const TableFields& fields);
inline const QString TableTooLargeMessage =
    QStringLiteral("A table can have at most 100,000 cells. Choose fewer rows or columns.");
