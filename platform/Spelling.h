#pragma once
// Spelling in the editable views: the browser engine's spellchecker with the
// dictionaries converted at build time, in the language of the system's
// locale; off when no dictionary fits.
#include <QString>
#include <QStringList>
#include <optional>

class QWebEngineProfile;

// The folder the engine takes its dictionaries from:
// QTWEBENGINE_DICTIONARIES_PATH when set, else qtwebengine_dictionaries next
// to the program.
QString DictionaryFolder();
// The dictionaries there, by language ("en-US" for en-US.bdic).
QStringList InstalledDictionaries(const QString& folder);
// The dictionary for a locale name ("en_US", "de_AT.UTF-8", "C"): the one of
// the same language and country, else the first of the same language
// (alphabetically); nothing when none fits.
std::optional<QString> SpellingLanguage(const QString& localeName, const QStringList& installed);
// Turn the profile's spellchecker on for the system's language, or off when
// there is no dictionary for it. Returns the language used.
std::optional<QString> SetUpSpelling(QWebEngineProfile* profile);
