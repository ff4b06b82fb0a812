#pragma once
// The application folder: the folder that holds the program. Every file the
// designer uses is this folder followed by a fixed relative path; the paths
// below use '/' and are compared case-sensitively.
#include <QString>

namespace AppFolder {

// Folder of the running executable, or the folder set by setPath (tests).
// Never ends in a separator.
QString path();
void setPath(const QString& folder);

// Settles the folder for this run; call once at start, after the application
// object exists. The executable's folder stays the application folder when
// the program may work there (the build tree, an unpacked copy); an installed,
// read-only folder is replaced by the user's own copy of it under the XDG data
// home (see UserFolder.h). Returns path().
QString settle();

// path() + "/" + relative.
QString file(const QString& relative);

// Fixed relative paths.
inline constexpr const char* PreviewPage = "samples/preview.html";
inline constexpr const char* StylesCss = "samples/styles.css";
inline constexpr const char* StartPicture = "samples/images/wisplet-txt.jpg";
inline constexpr const char* WorkingFolder = "samples/Wisplet_Files";
inline constexpr const char* PageScript = "samples/Wisplet_Files/wisplet.js";
inline constexpr const char* Background = "samples/Wisplet_Files/MyBackground.jpg";
inline constexpr const char* Backgrounds = "backgrounds";
inline constexpr const char* Spacer = "backgrounds/images/spacer.gif";
inline constexpr const char* TempBmp = "backgrounds/temp.bmp";
inline constexpr const char* Cursors = "Cursors";
inline constexpr const char* HelpPage = "help/Help.html";

// backgrounds/<category>, e.g. category "personal".
QString categoryFolder(const QString& category);

// Start-up clean-up of the previous run's working pictures: deletes every
// samples/Wisplet_Files/*.jpg, then every *.gif (exact, case-sensitive
// suffixes; nothing else is touched). Returns the number of files deleted.
int deleteWorkingPictures();

} // namespace AppFolder
