#include "designer/DesignDocument.h"
#include "platform/SafeWrite.h"

#include "designer/DesignArchive.h"
#include "imaging/JpegLoad.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace {
const QString MimetypeEntry = QStringLiteral("mimetype");
const QString JsonEntry = QStringLiteral("design.json");
const QString PicturesFolder = QStringLiteral("pictures/");

// ---- The settings object: one row per key, in the order written ----------
enum class Kind { Number, Colour, Html, List };
struct SettingKey {
    const char* key;
    Kind kind;
    QString WispletSettings::*text = nullptr;       // Number, Colour, Html
    int WispletSettings::*index = nullptr;          // List
    const QStringList& (*items)() = nullptr;        // List
    const char* box = nullptr;                      // Number: its box, for the length limit
};

const SettingKey SettingKeys[] = {
    {"width", Kind::Number, &WispletSettings::width, nullptr, nullptr, "WispletWidth"},
    {"height", Kind::Number, &WispletSettings::height, nullptr, nullptr, "WispletHeight"},
    {"padIn", Kind::Number, &WispletSettings::padIn, nullptr, nullptr, "WispletPadIn"},
    {"padOut", Kind::Number, &WispletSettings::padOut, nullptr, nullptr, "WispletPadOut"},
    {"borderStyle", Kind::List, nullptr, &WispletSettings::borderStyle, &WispletSettings::borderStyles},
    {"borderWidth", Kind::Number, &WispletSettings::borderWidth, nullptr, nullptr, "WispletBorderWidth"},
    {"borderColor", Kind::Colour, &WispletSettings::borderColor},
    {"bgColor", Kind::Colour, &WispletSettings::bgColor},
    {"align", Kind::List, nullptr, &WispletSettings::align, &WispletSettings::alignments},
    {"entrance", Kind::List, nullptr, &WispletSettings::entrance, &WispletSettings::entrances},
    {"waiting", Kind::Number, &WispletSettings::waiting, nullptr, nullptr, "WispletWaiting"},
    {"contentEntrance", Kind::List, nullptr, &WispletSettings::contentEntrance, &WispletSettings::contentEntrances},
    {"duration", Kind::Number, &WispletSettings::duration, nullptr, nullptr, "ContentEntranceDur"},
    {"content", Kind::Html, &WispletSettings::contentHtml},
};

int maxLengthOf(const char* box) {
    for (const NumericField& f : numericFields())
        if (qstrcmp(f.box, box) == 0)
            return f.maxLength;
    return 0;
}

// ---- Writing JSON with the keys in a fixed order -------------------------
QByteArray jsonValue(const QJsonValue& v) {
    const QByteArray array = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

using Member = std::pair<const char*, QByteArray>; // key, JSON text of the value
QByteArray objectText(const QList<Member>& members, const QByteArray& indent) {
    QByteArray out = "{";
    for (qsizetype i = 0; i < members.size(); ++i) {
        out += (i ? ",\n" : "\n") + indent + "  " + jsonValue(QString::fromLatin1(members[i].first)) + ": " +
               members[i].second;
    }
    return out + "\n" + indent + "}";
}

QByteArray pictureObject(const QList<Member>& members) {
    QByteArray out = "{";
    for (qsizetype i = 0; i < members.size(); ++i)
        out += (i ? ", " : "") + jsonValue(QString::fromLatin1(members[i].first)) + ": " + members[i].second;
    return out + "}";
}

// ---- Reading -------------------------------------------------------------
struct Fail {
    QString why;
};

QString typeName(const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("true/false");
    case QJsonValue::Double: return QStringLiteral("a number");
    case QJsonValue::String: return QStringLiteral("a text");
    case QJsonValue::Array: return QStringLiteral("a list");
    case QJsonValue::Object: return QStringLiteral("an object");
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("missing");
}

QJsonValue field(const QJsonObject& o, const QString& path, const char* key, QJsonValue::Type type) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.type() != type) {
        const QString wanted = type == QJsonValue::String   ? QStringLiteral("a text")
                               : type == QJsonValue::Double ? QStringLiteral("a number")
                               : type == QJsonValue::Array  ? QStringLiteral("a list")
                                                            : QStringLiteral("an object");
        throw Fail{QStringLiteral("the field \"%1%2\" must be %3, not %4")
                       .arg(path, QLatin1String(key), wanted, typeName(v))};
    }
    return v;
}

int wholeNumber(const QJsonObject& o, const QString& path, const char* key, int low, int high) {
    const double d = field(o, path, key, QJsonValue::Double).toDouble();
    if (!(d >= low && d <= high) || std::floor(d) != d)
        throw Fail{QStringLiteral("the field \"%1%2\" must be a whole number from %3 to %4")
                       .arg(path, QLatin1String(key))
                       .arg(low)
                       .arg(high)};
    return int(d);
}

QString text(const QJsonObject& o, const QString& path, const char* key) {
    return field(o, path, key, QJsonValue::String).toString();
}

void checkSetting(const SettingKey& k, const QString& value) {
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (k.kind == Kind::Colour && !colour.match(value).hasMatch())
        throw Fail{QStringLiteral("the field \"settings.%1\" must be a colour written #RRGGBB").arg(QLatin1String(k.key))};
    if (k.kind != Kind::Number)
        return;
    const int maxLength = maxLengthOf(k.box);
    bool digits = true;
    for (QChar c : value)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits || (maxLength > 0 && value.size() > maxLength))
        throw Fail{(maxLength > 0 ? QStringLiteral("the field \"settings.%1\" must hold at most %2 digits")
                                        .arg(QLatin1String(k.key))
                                        .arg(maxLength)
                                  : QStringLiteral("the field \"settings.%1\" must hold digits only")
                                        .arg(QLatin1String(k.key)))};
}

// A plain file name for the library folder: no folder part, not hidden.
bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0)) && name != QLatin1String("None") &&
           name.size() <= 255;
}

const QRegularExpression& imageNamePattern() {
    static const QRegularExpression re(QStringLiteral("^MyImage([1-9][0-9]{0,5})\\.(jpg|gif)$"));
    return re;
}

const QRegularExpression& imageReferencePattern() {
    static const QRegularExpression re(QStringLiteral("Wisplet_Files[\\\\/]MyImage([0-9]{1,6})\\.(jpg|gif)"));
    return re;
}

DesignDocument fromJsonObject(const QJsonObject& root) {
    if (root.value(QLatin1String("format")).toString() != QLatin1String(DesignFormatName))
        throw Fail{QStringLiteral("it is not a wisplet design (the field \"format\" is not \"%1\")")
                       .arg(QLatin1String(DesignFormatName))};
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || std::floor(version.toDouble()) != version.toDouble() || version.toDouble() < 1)
        throw Fail{QStringLiteral("the field \"version\" must be a whole number from 1")};
    if (version.toDouble() > DesignFormatVersion)
        throw Fail{QStringLiteral("it was saved in design format version %1 by a newer Wisplet Dorizized; "
                                  "this version reads version %2")
                       .arg(QString::number(version.toDouble(), 'f', 0))
                       .arg(DesignFormatVersion)};

    DesignDocument d;
    const QJsonObject settings = field(root, QString(), "settings", QJsonValue::Object).toObject();
    const QString prefix = QStringLiteral("settings.");
    for (const SettingKey& k : SettingKeys) {
        if (k.kind == Kind::List) {
            d.settings.*k.index = wholeNumber(settings, prefix, k.key, 0, int(k.items().size()) - 1);
        } else {
            d.settings.*k.text = text(settings, prefix, k.key);
            checkSetting(k, d.settings.*k.text);
        }
    }

    const QJsonValue background = root.value(QLatin1String("background"));
    if (background.isObject()) {
        const QJsonObject b = background.toObject();
        const QString path = QStringLiteral("background.");
        DesignBackground bg;
        bg.category = wholeNumber(b, path, "category", 1, int(WispletSettings::backCategories().size()) - 1);
        bg.name = text(b, path, "name");
        if (!isPlainFileName(bg.name))
            throw Fail{QStringLiteral("the field \"background.name\" must be a plain file name")};
        bg.picture = text(b, path, "picture");
        d.background = bg;
        d.settings.backCategory = bg.category;
        d.settings.backImage = bg.name;
    } else if (!background.isNull()) {
        throw Fail{QStringLiteral("the field \"background\" must be null or an object, not %1").arg(typeName(background))};
    } else {
        d.settings.backCategory = 0;
        d.settings.backImage.clear();
    }

    const QJsonArray images = field(root, QString(), "images", QJsonValue::Array).toArray();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QString path = QStringLiteral("images[%1].").arg(i);
        if (!images[i].isObject())
            throw Fail{QStringLiteral("the field \"images[%1]\" must be an object").arg(i)};
        const QJsonObject o = images[i].toObject();
        DesignImage image;
        image.name = text(o, path, "name");
        if (!imageNamePattern().match(image.name).hasMatch())
            throw Fail{QStringLiteral("the field \"%1name\" must be MyImage<number>.jpg or .gif").arg(path)};
        image.picture = text(o, path, "picture");
        const int number = imageNamePattern().match(image.name).captured(1).toInt();
        for (const DesignImage& other : d.images)
            if (imageNamePattern().match(other.name).captured(1).toInt() == number)
                throw Fail{QStringLiteral("the picture number %1 is listed twice").arg(number)};
        d.images.append(image);
    }
    const QJsonValue behaviour = root.value(QLatin1String("behaviour"));
    if (behaviour.isObject()) {
        QString error;
        const std::optional<BoxBehaviour> b = BehaviourFromJson(behaviour.toObject(), &error);
        if (!b)
            throw Fail{error};
        d.settings.behaviour = *b;
    } else if (!behaviour.isUndefined()) {
        throw Fail{QStringLiteral("the field \"behaviour\" must be an object, not %1").arg(typeName(behaviour))};
    }
    d.settings.autoPreview = false;
    return d;
}

// Decoded at the smallest scale the decoder offers: every block is still read.
bool decodes(const QByteArray& bytes) { return !LoadPictureDataAtLeast(bytes, QSize(1, 1)).isNull(); }
} // namespace

QByteArray DesignToJson(const DesignDocument& design) {
    QList<Member> settings;
    for (const SettingKey& k : SettingKeys)
        settings.append({k.key, k.kind == Kind::List ? jsonValue(design.settings.*k.index)
                                                     : jsonValue(design.settings.*k.text)});
    QByteArray background = "null";
    if (design.background)
        background = pictureObject({{"category", jsonValue(design.background->category)},
                                    {"name", jsonValue(design.background->name)},
                                    {"picture", jsonValue(design.background->picture)}});
    QByteArray images = "[";
    for (qsizetype i = 0; i < design.images.size(); ++i)
        images += QByteArray(i ? ",\n    " : "\n    ") +
                  pictureObject({{"name", jsonValue(design.images[i].name)},
                                 {"picture", jsonValue(design.images[i].picture)}});
    images += design.images.isEmpty() ? "]" : "\n  ]";
    QList<Member> members{{"format", jsonValue(QString::fromLatin1(DesignFormatName))},
                          {"version", jsonValue(DesignFormatVersion)},
                          {"settings", objectText(settings, "  ")},
                          {"background", background},
                          {"images", images}};
    // Only a box that behaves otherwise than by default says how.
    if (const QString behaviour = BehaviourOptionsObject(design.settings.behaviour); !behaviour.isEmpty())
        members.append({"behaviour", behaviour.toLatin1()});
    return objectText(members, QByteArray()) + "\n";
}

DesignRead DesignFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("design.json is not valid JSON (%1 at byte %2)")
                                  .arg(parseError.errorString())
                                  .arg(parseError.offset)};
    if (!doc.isObject())
        return {std::nullopt, QStringLiteral("design.json does not hold an object")};
    try {
        return {fromJsonObject(doc.object()), QString()};
    } catch (const Fail& f) {
        return {std::nullopt, f.why};
    }
}

QByteArray WriteDesign(const DesignDocument& design, QString* error) {
    QList<ArchiveEntry> entries{{MimetypeEntry, QByteArray(DesignMimeType), false},
                                {JsonEntry, DesignToJson(design), true}};
    if (design.background)
        entries.append({design.background->picture, design.background->bytes, false});
    for (const DesignImage& image : design.images)
        entries.append({image.picture, image.bytes, false});
    return WriteArchive(entries, error);
}

DesignRead ReadDesign(const QByteArray& bytes) {
    const ArchiveRead archive = ReadArchive(bytes);
    if (!archive.ok())
        return {std::nullopt, archive.error};
    const std::optional<QByteArray> mimetype = archive.find(MimetypeEntry);
    if (!mimetype)
        return {std::nullopt, QStringLiteral("it is not a wisplet design (no \"mimetype\" entry)")};
    if (mimetype->trimmed() != DesignMimeType)
        return {std::nullopt, QStringLiteral("it is not a wisplet design (its type is \"%1\")")
                                  .arg(QString::fromUtf8(mimetype->trimmed().left(80)))};
    const std::optional<QByteArray> json = archive.find(JsonEntry);
    if (!json)
        return {std::nullopt, QStringLiteral("it holds no design.json")};
    DesignRead read = DesignFromJson(*json);
    if (!read.design)
        return read;
    auto picture = [&](const QString& entry, const QString& field, QByteArray& out) -> QString {
        if (entry == MimetypeEntry || entry == JsonEntry)
            return QStringLiteral("the field \"%1\" names \"%2\", which is not a picture").arg(field, entry);
        const std::optional<QByteArray> data = archive.find(entry);
        if (!data)
            return QStringLiteral("the picture \"%1\" named by \"%2\" is missing").arg(entry, field);
        if (!decodes(*data))
            return QStringLiteral("the picture \"%1\" cannot be read as a picture").arg(entry);
        out = *data;
        return QString();
    };
    DesignDocument& d = *read.design;
    if (d.background) {
        const QString why = picture(d.background->picture, QStringLiteral("background.picture"), d.background->bytes);
        if (!why.isEmpty())
            return {std::nullopt, why};
    }
    for (qsizetype i = 0; i < d.images.size(); ++i) {
        const QString why = picture(d.images[i].picture, QStringLiteral("images[%1].picture").arg(i), d.images[i].bytes);
        if (!why.isEmpty())
            return {std::nullopt, why};
    }
    return read;
}

bool SaveDesignFile(const QString& path, const DesignDocument& design, QString* error) {
    QString why;
    const QByteArray bytes = WriteDesign(design, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    // A temporary file renamed over the old one: a failure leaves it whole.
    why = WriteFileAtomically(path, bytes);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    return true;
}

DesignRead ReadDesignFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > ArchiveLimits{}.maxTotalSize)
        return {std::nullopt, QStringLiteral("the file is larger than %1 MB").arg(ArchiveLimits{}.maxTotalSize >> 20)};
    return ReadDesign(file.readAll());
}

QList<int> ReferencedImageNumbers(const QString& content) {
    QList<int> numbers;
    auto it = imageReferencePattern().globalMatch(content);
    while (it.hasNext()) {
        const int n = it.next().captured(1).toInt();
        if (n > 0 && !numbers.contains(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString RenumberImageReferences(const QString& content, const QHash<int, int>& map) {
    QString out;
    qsizetype last = 0;
    auto it = imageReferencePattern().globalMatch(content);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const int n = m.captured(1).toInt();
        if (!map.contains(n))
            continue;
        out += QStringView(content).mid(last, m.capturedStart(1) - last);
        out += QString::number(map.value(n));
        last = m.capturedEnd(1);
    }
    out += QStringView(content).mid(last);
    return out;
}
