#pragma once
// The preview page: the WriteWisplet(...) call built from the settings, and
// the pages written to samples/preview.html.
#include "designer/WispletSettings.h"

#include <QString>

// Every non-overlapping occurrence of `find` replaced, left to right; the
// inserted text is never searched again. An empty `find` changes nothing.
QString ReplaceAll(const QString& text, const QString& find, const QString& replacement);

// Content HTML made safe for an apostrophe-quoted script string (the seven
// clean-up steps), with appFolder + "/samples/" removed.
QString ContentCleanup(const QString& html, const QString& appFolder);

// Content as it goes into the page: cleaned, "</script" written as "<\/script",
// "<!--" and "<script" with "\x3C" for the "<",
// characters outside ASCII written as &#N; references.
QString ContentForPage(const QString& html, const QString& appFolder);

// The call from "<script>" to "</script>"; backgroundPath is the quoted
// argument 4 ("Wisplet_Files/MyBackground" + suffix for the preview).
QString WriteWispletCall(const WispletSettings& s, const QString& appFolder, const QString& backgroundPath);

// The whole preview page (one line) and the fixed start page.
QString PreviewPageText(const WispletSettings& s, const QString& appFolder);
QString StartPageText();

// Replace a text file whole: written to a temporary file beside it (as
// Latin-1 bytes; callers pass ASCII) and renamed over it. False on failure;
// the previous file is then left as it was, and `reason` (when given)
// receives the system's reason.
bool WriteTextFileAtomically(const QString& path, const QString& text, QString* reason = nullptr);

// Write the preview page / start page to samples/preview.html of appFolder.
bool WritePreviewFile(const WispletSettings& s, const QString& appFolder);
bool WriteStartPage(const QString& appFolder);
