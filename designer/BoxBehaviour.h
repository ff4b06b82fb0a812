#pragma once
// How the exported box behaves for a visitor: its accessible name, a close
// button, Escape, show-once, a delay before the entrance and a pause of the
// reveal while the pointer or focus rests in it. All off by default; a box
// with the default behaviour is exported exactly as before.
#include <QJsonObject>
#include <QString>
#include <optional>

struct BoxBehaviour {
    enum class ShowOnce { EveryView, PerVisitor, PerSession, EveryNDays };

    QString name;             // the box's accessible name; empty = "Wisplet"
    bool closeButton = false;
    bool escapeCloses = false;
    bool pauseOnHover = false;
    ShowOnce showOnce = ShowOnce::EveryView;
    int days = 7;             // for EveryNDays, 1 to MaxDays
    int delay = 0;            // seconds before the entrance, 0 to MaxDelay

    static constexpr int MaxDays = 3650;
    static constexpr int MaxDelay = 600;

    bool operator==(const BoxBehaviour&) const = default;
    bool isDefault() const { return *this == BoxBehaviour(); }
};

// Captions of the show-once choices, in ShowOnce order.
const char* const* ShowOnceCaptions(); // 4 items

// The sixteenth argument of WriteWisplet: an object literal (valid JSON, only
// ASCII, no "<" or ">", so it can stand in an inline script), with only the
// options that differ from their defaults; empty when all are default.
QString BehaviourOptionsObject(const BoxBehaviour& b);

// The option attributes of <wisplet-box>, each preceded by a blank, in the
// same order and under the same rule; empty when all are default.
QString BehaviourAttributes(const BoxBehaviour& b);

// The behaviour kept in a design file: the object BehaviourOptionsObject
// writes, read back with every field checked. Nothing, with `error` naming the
// field, when a field is not what it must be; missing fields keep their defaults.
std::optional<BoxBehaviour> BehaviourFromJson(const QJsonObject& o, QString* error);

// Text as an HTML attribute value (without the quotes around it).
QString HtmlAttributeText(const QString& text);
