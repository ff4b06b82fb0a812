#pragma once
// The script that the browser-engine edit view runs inside its document (in
// a world of its own, so the document's scripts neither run nor see it).
#include <QString>

// Defines window.__wd once per page: load(html), html(), edit(on),
// details(on), insert(html), command(name, value) and table(op). Every change
// to the document it sees posts the console message EditViewChangedMessage.
const QString& EditViewScript();
inline constexpr const char* EditViewChangedMessage = "wisplet-edit:changed";
// Marks the view's own nodes; they are removed from every reading.
inline constexpr const char* EditViewAidAttribute = "data-wisplet-aid";
// A JSON literal of `text` for a script ("..." with every special character escaped).
QString ScriptLiteral(const QString& text);
