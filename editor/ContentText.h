#pragma once
// How the box sets its text (font family, size, line height) and how wide it
// is, as the page script lays it out: the editor's mock-up takes the same
// values so the content wraps in the editor exactly as in the box.
#include <QString>

struct ContentTextStyle {
    QString family = QStringLiteral("Arial, Helvetica, sans-serif");
    QString size = QStringLiteral("12px");
    QString lineHeight = QStringLiteral("normal");
    bool operator==(const ContentTextStyle&) const = default;
};

// The values the page script declares in its CONTENT_TEXT line; each one the
// script does not declare (or declares in another form) keeps its default.
ContentTextStyle ContentTextFromScript(const QString& scriptText);
// The values of the page script in the application folder (the one the
// preview runs); the defaults when it cannot be read.
ContentTextStyle ContentTextOfPageScript();

// A size field as the page script reads it: a non-negative whole or decimal
// number (blanks around it allowed) rounded to whole pixels and capped at
// `max`; anything else gives `fallback`.
int BoxPixels(const QString& text, int fallback, int max);

// The CSS declarations of the mock-up's content area: the box's width and
// height in pixels and its text.
QString ContentAreaStyle(int width, int height, const ContentTextStyle& text);
