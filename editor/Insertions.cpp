#include "editor/Insertions.h"

#include "editor/EditorDocument.h"
#include "platform/AppFolder.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace {
bool isSafeToken(const QString& v) {
    if (v.isEmpty())
        return false;
    for (const QChar c : v) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '#' ||
                        u == '%' || u == '.' || u == '-' || u == '_';
        if (!ok)
            return false;
    }
    return true;
}

QString quoted(const QString& v) { return QLatin1Char('"') + AttributeText(v) + QLatin1Char('"'); }
QString valueText(const QString& v) { return isSafeToken(v) ? v : quoted(v); }
} // namespace

QString ImageTag(const ImageFields& f) {
    QString size;
    if (!f.width.isEmpty())
        size += QStringLiteral(" width=") + valueText(f.width);
    if (!f.height.isEmpty())
        size += QStringLiteral(" height=") + valueText(f.height);
    return QStringLiteral("<img src=") + quoted(f.src) + QStringLiteral(" alt=") + quoted(f.alt) +
           QStringLiteral(" align=") + valueText(f.align) + QStringLiteral(" border=") + valueText(f.border) +
           QStringLiteral(" vspace=") + valueText(f.spaceV) + QStringLiteral(" hspace=") + valueText(f.spaceH) + size +
           QLatin1Char('>');
}

QString PictureExtension(const QString& path) {
    const QString name = QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    const QString ext = name.mid(dot + 1).toLower();
    if (ext == QLatin1String("jpeg") || ext == QLatin1String("jpe"))
        return QStringLiteral("jpg");
    return ext;
}

bool IsWorkingPictureExtension(const QString& ext) {
    return ext == QLatin1String("jpg") || ext == QLatin1String("gif");
}

PictureCopy CopyPictureIn(const QString& path, const QString& appFolder, int& imageCount, const PlainCopy& copy) {
    const QString ext = PictureExtension(path);
    if (ext.isEmpty())
        return {PictureOutcome::NoExtension, 0, QString()};
    if (!IsWorkingPictureExtension(ext))
        return {PictureOutcome::NotAPicture, 0, QString()};
    const int n = ++imageCount;
    const QString name = QStringLiteral("MyImage%1.%2").arg(n).arg(ext);
    if (!copy(path, appFolder + QLatin1Char('/') + QLatin1String(AppFolder::WorkingFolder) + QLatin1Char('/') + name))
        return {PictureOutcome::CopyFailed, n, QString()};
    return {PictureOutcome::Copied, n, QStringLiteral("Wisplet_Files\\") + name};
}

QString PictureMessage(PictureOutcome outcome) {
    switch (outcome) {
    case PictureOutcome::NoExtension:
        return QStringLiteral("The picture's file name has no extension. Choose a GIF or JPEG picture.");
    case PictureOutcome::NotAPicture:
        return QStringLiteral("Only GIF and JPEG pictures can be inserted. Choose a file ending in .gif or .jpg.");
    case PictureOutcome::CopyFailed:
        return QStringLiteral("The picture could not be copied into the Wisplet_Files folder. Check that the file "
                              "can be read and the folder can be written, then try again.");
    case PictureOutcome::Copied: break;
    }
    return QString();
}

int ToWhole16(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v); // the default rounding mode: halves to even
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<int>(r);
}

std::optional<QString> TableHtmlFor(const TableFields& f) {
    const int rows = ToWhole16(f.rows);
    const int cols = ToWhole16(f.columns);
    if (rows > 0 && cols > 0 && static_cast<long long>(rows) * cols > MaxTableCells)
        return std::nullopt;
    const QString crlf = QStringLiteral("\r\n");
    auto attr = [](const char* name, const QString& v) {
        return v.isEmpty() ? QString()
                           : QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + AttributeText(v) +
                                 QLatin1Char('"');
    };
    QString html = QStringLiteral("<Table") + attr("align", f.align) + attr("cellspacing", f.spacing) +
                   attr("cellpadding", f.padding) + attr("border", f.border) + QStringLiteral(" width=75%>") + crlf;
    QString body;
    for (int c = 0; c < cols; ++c)
        body += QStringLiteral("      <TD></TD>") + crlf;
    const QString row = QStringLiteral("   <TR>") + crlf + body + QStringLiteral("   </TR>") + crlf;
    html.reserve(html.size() + qsizetype(std::max(rows, 0)) * row.size() + 10);
    for (int r = 0; r < rows; ++r)
        html += row;
    html += QStringLiteral("</Table>") + crlf;
    return html;
}

QString TableForEditing(const QString& tableHtml) {
    QString t = tableHtml;
    t.replace(QStringLiteral(" width=75%>"), QStringLiteral(" width=100%>"));
    return t.replace(QStringLiteral("<TD></TD>"), QStringLiteral("<TD><br></TD>"));
}
