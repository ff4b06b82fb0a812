#include "platform/Spelling.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QWebEngineProfile>

QString DictionaryFolder() {
    const QByteArray set = qgetenv("QTWEBENGINE_DICTIONARIES_PATH");
    if (!set.isEmpty())
        return QString::fromLocal8Bit(set);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/qtwebengine_dictionaries");
}

QStringList InstalledDictionaries(const QString& folder) {
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.bdic")}, QDir::Files, QDir::Name))
        languages << file.chopped(5);
    return languages;
}

std::optional<QString> SpellingLanguage(const QString& localeName, const QStringList& installed) {
    // "de_AT.UTF-8@euro" -> language "de", country "AT"
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString language = name.section(QLatin1Char('-'), 0, 0).toLower();
    if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return std::nullopt;
    QStringList sorted = installed;
    sorted.sort();
    for (const QString& d : sorted)
        if (d.compare(name, Qt::CaseInsensitive) == 0)
            return d;
    for (const QString& d : sorted)
        if (d.section(QLatin1Char('-'), 0, 0).compare(language, Qt::CaseInsensitive) == 0)
            return d;
    return std::nullopt;
}

std::optional<QString> SetUpSpelling(QWebEngineProfile* profile) {
    const std::optional<QString> language =
        SpellingLanguage(QLocale::system().name(), InstalledDictionaries(DictionaryFolder()));
    if (language)
        profile->setSpellCheckLanguages({*language});
    profile->setSpellCheckEnabled(language.has_value());
    return language;
}
