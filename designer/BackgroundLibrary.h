#pragma once
// The background library: the category list BackCat, the picture list
// WispletBackImage with its 32 x 32 thumbnails, the source picture Picture1
// and the fitted target Picture2 that becomes samples/Wisplet_Files/MyBackground.jpg.
//
// How the main window wires it (every handler swallows failures):
//   BackCat loses the focus ............... lib.ShowLoading()   (modal "Loading"
//                                            window; 10 ms later ReadBack(text
//                                            of the selected category), which
//                                            closes it; returns after that)
//   WispletBackImage loses the focus ...... lib.SelectAndFit()
//   "Import" (ImportBack) / importMenu .... lib.Import()        ("Please select a
//                                            category" on index 0, else ImportBackground())
//   "View All" (ViewAllBack) / viewBack ... lib.ViewAll()       (same check, else
//                                            OpenCategoryFolder())
//   spinner change of WidthControl, HeightControl, PadInControl, PadOutControl,
//   BorderWidthControl, and loss of focus of WispletWidth, WispletHeight,
//   WispletPadIn, WispletPadOut, WispletBorderWidth ... lib.FitBackground()
// The brightness and contrast window hands its adjusted picture over with
// setSource() (later fits use it) and may write Picture2() itself.
//
// The pure steps (listing, thumbnails, fit arithmetic) are in BackgroundFiles.h.
#include "designer/LoadingWindow.h"
#include "designer/WispletSettings.h"
#include "platform/Color.h"
#include "platform/FailureNotice.h"
#include "platform/Surface.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QComboBox;
class QWidget;

class BackgroundLibrary : public QObject {
    Q_OBJECT
public:
    // backCat: the category list (items "Choose Category", "images", ...).
    // backImage: the picture list; it is given a 32 x 32 icon size here.
    // settings: reads the current size boxes (only the sizes are used).
    // dialogParent: owner of the waiting window and of dialogs/messages.
    // None of the pointers is owned; backCat/backImage must outlive this.
    BackgroundLibrary(QComboBox* backCat, QComboBox* backImage, std::function<WispletSettings()> settings,
                      QWidget* dialogParent, QObject* parent = nullptr);
    ~BackgroundLibrary() override;

    // Rebuild the picture list from backgrounds/<category>: "None" (thumbnail
    // Background 1 from backgrounds/images/spacer.gif, blank when missing)
    // selected, then one item per plain, non-hidden file in name order
    // (ListCategoryFiles) with thumbnail "Background " + n. JPEG thumbnails
    // are decoded at a reduced scale, several files at once, off the
    // window's thread (its events go on meanwhile).
    // Files that cannot be read as pictures within the loader's budget are
    // listed with the broken-picture mark (BrokenPictureMark).
    // Closes the waiting window when it is open. Never throws.
    void ReadBack(const QString& category);

    // Show the modal waiting window `loading`; its 10 ms one-shot timer calls
    // ReadBack(text of the selected category), which closes it. Returns when
    // the window has closed.
    void ShowLoading();

    // Picture list validation: with a category chosen and a picture other
    // than "None" selected, load it into Picture1 (a picture that cannot be
    // loaded leaves Picture1 as it was and tells why) and FitBackground(). A JPEG is decoded
    // at the smallest reduced scale that still covers the current outer size
    // (full size when the sizes are not usable); the file and its own size are
    // remembered so that a later, larger fit can decode it again.
    void SelectAndFit();

    // Stretch all of Picture1 to OuterWidth x OuterHeight on Picture2, cleared
    // to backColor(), and write MyBackground.jpg at quality 100. Skipped (the
    // previous file stays) when a size is empty/non-numeric, an outer side is
    // below 1 or above MaxOuterSide. When Picture1 was decoded reduced from a
    // file and does not cover the outer size, it is first decoded again from
    // that file at a sufficient scale (if the file is gone or now holds a
    // picture of another size, the picture in hand is used).
    // A failed write is told once (with the system's reason) until a write
    // succeeds again. Returns true when the file was written.
    bool FitBackground();

    // Import with the category check: "Please select a category" on index 0.
    void Import();
    // Ask for a picture file and bring it into the category folder
    // (ImportPicture: JPEG and GIF copied, other formats converted to JPEG;
    // unusable names and files that are not readable pictures refused with
    // a message). The picture list is not rebuilt.
    void ImportBackground();

    // Open-folder with the category check: "Please select a category" on index 0.
    void ViewAll();
    // Open backgrounds/<category> in the desktop's file manager.
    void OpenCategoryFolder();

    // Full path of the picture chosen in the list, or an empty text when no
    // category or "None" is chosen.
    QString chosenPicture() const;
    // The paint program saved `path` into the personal category: when the
    // list shows that category it is rebuilt, keeping the chosen picture
    // chosen; when `path` is the chosen picture, it is loaded again and the
    // background refitted.
    void pictureSaved(const QString& path);

    // Source picture (the last picture loaded; a JPEG from the list possibly
    // at a reduced scale, see SelectAndFit) and target.
    Surface& Picture1() { return picture1_; }
    Surface& Picture2() { return picture2_; }
    // True once a picture was put into Picture1 (by SelectAndFit or setSource).
    bool hasSource() const { return hasSource_; }
    // Put a picture into Picture1 (brightness window, tests). It is used as it
    // is: fits never reload it from a file.
    void setSource(const QImage& picture);
    // Back to no picture at all, as at start (a new design).
    void clearSource();

    // The file Picture1 was loaded from (empty after setSource) and that
    // picture's own size, which Picture1 may be a reduced decoding of.
    const QString& sourceFile() const { return sourceFile_; }
    QSize sourceFullSize() const { return sourceFullSize_; }

    // Thumbnail store ImageList1: "Background 1", "Background 2", ... (32 x 32).
    const QHash<QString, QImage>& thumbnails() const { return thumbnails_; }

    // Background colour of the target (default: the application palette's
    // window colour).
    ColorValue backColor() const { return picture2_.backColor; }
    void setBackColor(ColorValue c);

    // The waiting window while it is shown, else null.
    LoadingWindow* loadingWindow() const { return loading_; }

    static constexpr int ThumbSize = 32;
    static constexpr long long MaxOuterSide = 16384;

signals:
    // After ReadBack has refilled the list.
    void listRebuilt();
    // After FitBackground wrote MyBackground.jpg.
    void backgroundWritten();

private:
    QString categoryText() const;
    // The outer size the settings ask for, or nothing when a fit is skipped.
    std::optional<QSize> outerSize() const;

    QComboBox* backCat_;
    QComboBox* backImage_;
    std::function<WispletSettings()> settings_;
    QWidget* dialogParent_;
    Surface picture1_;
    Surface picture2_;
    bool hasSource_ = false;
    QString sourceFile_;
    QSize sourceFullSize_;
    QHash<QString, QImage> thumbnails_;
    QPointer<LoadingWindow> loading_;
    FailureNotice writeFailure_;
};
