#pragma once
// Pasted HTML (from office suites, spreadsheets and web pages) cleaned to what
// box content uses: text formatting, lists, links, pictures, tables, line
// breaks, alignment, font and colour. Classes, ids, the office programs' own
// styles ("mso-"), comments, scripts, styles sheets, event attributes and
// addresses other than http, https, mailto and relative ones are dropped;
// elements not allowed give up their text. Line breaks in the text become
// blanks (the content is kept on one line), so words never run together.
#include <QString>

QString CleanPastedHtml(const QString& html);

// Plain text as content: special characters escaped, line breaks as <br>.
QString PlainTextAsHtml(const QString& text);
