#include "platform/EditView.h"

#include <QJsonDocument>
#include <QJsonObject>

QString EditView::FontValue(const QString& name, double points, bool bold, bool italic, bool underline,
                            bool strikethrough, const QString& color) {
    const QJsonObject o{{QStringLiteral("name"), name},           {QStringLiteral("points"), points},
                        {QStringLiteral("bold"), bold},           {QStringLiteral("italic"), italic},
                        {QStringLiteral("underline"), underline}, {QStringLiteral("strikethrough"), strikethrough},
                        {QStringLiteral("color"), color}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
