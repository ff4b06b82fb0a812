#pragma once
// The enlarged preview `Browser` ("Enlarge Preview"): a resizable window with
// a "Refresh" button (Command1) and the browser view WebBrowser1 showing
// samples/preview.html. Opened without waiting and not owned by the main
// window, which closes it when it unloads.
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

class QWebEngineView;
class QPushButton;

// Placement of WebBrowser1 for an inner window size in twips: left 100, top
// 400, width inner width - 200, height inner height - 500; nothing when a side
// would not be positive.
std::optional<QRect> EnlargedBrowserPlacement(int innerWidthTwips, int innerHeightTwips);

// Twips to pixels (15 twips a pixel), halves to even.
int TwipsToPixels(int twips);

class Browser : public QWidget {
    Q_OBJECT
public:
    // writePreview: the main window's WritePreview. On creation it is called
    // and the view is sent to samples/preview.html.
    explicit Browser(std::function<void()> writePreview, QWidget* parent = nullptr);

    QWebEngineView* view() const { return view_; }
    // A bar under the view (the timeline); the view gives up its height.
    void setFooter(QWidget* footer);
    int reloadCount() const { return reloads_; }

public slots:
    void reload();  // reload the current page (not a new navigation)
    void refresh(); // "Refresh": WritePreview, then reload

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void()> writePreview_;
    QPushButton* refresh_;
    QWebEngineView* view_;
    QWidget* footer_ = nullptr;
    int reloads_ = 0;
};
