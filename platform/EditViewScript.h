#pragma once
// The script that the browser-engine edit view runs inside its document (in
// a world of its own, so the document's scripts neither run nor see it).
#include <QString>

// Defines window.__wd once per page: load(html), attach(), html(), edit(on),
// details(on), insert(html), command(name, value) and table(op). Every change
// to the document it sees posts the console message EditViewChangedMessage.
const QString& EditViewScript();
inline constexpr const char* EditViewChangedMessage = "wisplet-edit:changed";
// Pasted or dropped content: this message followed by {"html": ..., "text": ...}.
inline constexpr const char* EditViewPasteMessage = "wisplet-edit:paste:";
// Ctrl+Shift+V: the clipboard as plain text.
inline constexpr const char* EditViewPastePlainMessage = "wisplet-edit:paste-plain";
// Marks the view's own nodes (the marks that stand for the document's comments
// while it is edited); every reading turns them back into what they stand for.
inline constexpr const char* EditViewAidAttribute = "data-wisplet-aid";
// A JSON literal of `text` for a script ("..." with every special character escaped).
QString ScriptLiteral(const QString& text);
