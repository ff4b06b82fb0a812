#pragma once
// The main window `General` ("Wisplet Dorizized"): every control of the
// wisplet settings, the embedded preview WebBrowser1, the background library
// controls and the menus that open the other windows.
//
// The controls are the only store of the settings: settings() reads them at
// the moment of the call. Every handler swallows its failures and goes on.
#include "designer/WispletSettings.h"
#include "platform/FailureNotice.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <optional>

class BackgroundLibrary;
class PreviewController;
class PreviewTimeline;
class Browser;
class DocumentController;
class QMenu;
class PreviewWriter;
class PlainTextMirror;
class QCheckBox;
class QComboBox;
class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QTextDocument;
class QWebEngineView;
class UpDown;

class General : public QMainWindow {
    Q_OBJECT
public:
    // Loading: deletes the previous run's working pictures, builds the
    // controls, shows the splash window (when given; not owned), starts
    // Timer1, writes the start page, fills the lists and sends WebBrowser1 to
    // samples/preview.html. The window makes itself visible from Timer1 once
    // the browser has finished loading, and then closes the splash window.
    explicit General(QWidget* splash = nullptr);
    ~General() override;

    // --- public methods other windows call ---
    void ImportBackground();
    // Show the colour dialog (custom colours expanded, nothing preselected);
    // "#RRGGBB" of the chosen colour, or `current` unchanged on cancel.
    QString getColor(const QString& current);
    void WritePreview();
    void ReadBack(const QString& category);

    // The settings as the controls hold them now.
    WispletSettings settings() const;
    // WritePreview, then reload WebBrowser1 and the enlarged preview when open.
    void RefreshPreview();

    BackgroundLibrary& background() { return *library_; }
    QWebEngineView* browser() const { return browser_; }
    Browser* enlargedPreview() const;
    bool autoPreview() const { return autoPreview_; }
    // True from a navigation of WebBrowser1 until it finished loading.
    bool browserBusy() const { return busy_; }
    int reloadCount() const { return reloads_; } // reloads of WebBrowser1
    QLineEdit* box(const char* objectName) const;
    // The live preview: its timeline, shared by the enlarged preview (MainWindowPreview.cpp).
    PreviewController* livePreview() const { return live_; }
    UpDown* spinner(const char* objectName) const;

    // --- the design as a document (MainWindowDocument.cpp) ---
    DocumentController& document() { return *document_; }
    // Put a design's state into the controls; fresh: a new or opened design.
    void applyDesignState(const WispletSettings& state, bool fresh);
    // The three-way question before closing; false keeps the window open.
    bool confirmClose();

public slots:
    void showEnlargedPreview();
    void openAdvancedEditor();
    void openExport();
    void openAbout();
    void openBrightnessAndContrast();
    void openPredefinedShapes();
    void openPaint();
    void openBoxBehaviour(); // "Box Behaviour..." (Tools)
    void setBehaviour(const BoxBehaviour& behaviour);
    // "Edit in Paint": the picture chosen in the background list, opened in
    // the paint program.
    void editInPaint();

signals:
    void previewReloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    // The "Edit in Paint" button beside the picture list and its Tools item.
    void buildPaintControls();
    void pickColor(QLineEdit* colorBox);
    void onTimer1();
    void guarded(const char* step, const std::function<void()>& action);
    void setUpDocument();
    void updateDocumentTitle();
    void fillRecentMenu();
    // The live preview (MainWindowPreview.cpp): controller, timeline, handlers, resizing.
    void buildLivePreview();
    void attachEnlargedPreview();
    void layoutPreview();
    void previewPictureChanged();
    // MainWindowPreview.cpp: true when the page was written before returning.
    bool writePreviewNow();
    void notePreviewWrite(const QString& reason);
    // A reload that waits for the background write: a Refresh (replays from
    // the start) outranks the live preview's (keeps the moment).
    enum class PendingReload { None, Live, Refresh };
    void reloadPreviews(bool refresh = true); // refresh: the pages start over (a Refresh)
    void reloadWhenWritten(PendingReload kind);
    // The content box's text, kept edit by edit rather than read whole.
    QString contentText() const;

    QPointer<QWidget> splash_;
    QTimer* timer1_ = nullptr;
    bool autoPreview_ = false;
    bool busy_ = false;
    int reloads_ = 0;
    std::optional<unsigned> lastColor_; // colour chosen by the last getColor, nothing on cancel

    QHash<QString, QLineEdit*> boxes_;
    QHash<QString, UpDown*> spinners_;
    QComboBox* align_ = nullptr;
    QComboBox* borderStyle_ = nullptr;
    QComboBox* entrance_ = nullptr;
    QComboBox* contentEntrance_ = nullptr;
    QComboBox* backCat_ = nullptr;
    QComboBox* backImage_ = nullptr;
    QLineEdit* borderColor_ = nullptr;
    QLineEdit* bgColor_ = nullptr;
    QPlainTextEdit* content_ = nullptr;
    QCheckBox* autoPreviewBox_ = nullptr;
    QWebEngineView* browser_ = nullptr;
    BackgroundLibrary* library_ = nullptr;
    QPointer<Browser> enlarged_;
    QPointer<QWidget> editor_;
    BoxBehaviour behaviour_; // no control of this window holds it
    DocumentController* document_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    PreviewController* live_ = nullptr;
    PreviewTimeline* timeline_ = nullptr;
    PreviewWriter* previewWriter_ = nullptr;
    FailureNotice previewFailure_;
    PendingReload reloadWhenWritten_ = PendingReload::None;
    PlainTextMirror* contentMirror_ = nullptr; // the content box's text without reading it whole
};
