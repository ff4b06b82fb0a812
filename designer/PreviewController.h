#pragma once
// The live preview without widgets: which change shows how, the scripts that
// update the preview pages in place through the page script's host control
// (WriteWisplet.update/seek/play/pause/timeline), and the one timeline that
// the main window's preview and the enlarged preview follow.
//
// A committed change, while Auto Preview is on, writes samples/preview.html
// (as before) and updates every page in place at the moment the timeline
// stands on; typed content is applied at most once per 150 ms. A change of
// the entrance, the waiting time, the content entrance or its duration
// replays the phase it concerns. A page without a box (the start page, a page
// still loading a failed file) is reloaded instead, and so are the pages while
// the content is large: sending megabytes into the pages would stall the
// window, so the page is written in the background, reloaded once on disk,
// and set to the moment the timeline stood on.
#include "designer/WispletSettings.h"

#include <QObject>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <vector>

// What a change concerns.
enum class PreviewChange {
    Look,     // size, padding, border, colours, alignment: shown in place
    Picture,  // the fitted background picture was written anew
    Content,  // typed content: in place, at most once per ContentDelayMs
    Entrance, // the entrance: replays from the start
    Waiting,  // the waiting time: replays from the end of the entrance
    Reveal,   // the content entrance or its duration: replays the reveal
};

// The timeline of the box as the page last reported it, in seconds.
struct PreviewTimes {
    double entrance = 0, waiting = 0, reveal = 0, end = 0, time = 0;
    bool playing = false;
    bool known = false; // false until a page with a box has answered

    // From the page's WriteWisplet.timeline() result; known stays false for anything else.
    static PreviewTimes fromPage(const QVariant& result);
};

// One page that shows the preview (a browser view, or a fake in tests).
class PreviewSurface {
public:
    virtual ~PreviewSurface() = default;
    // Runs a script in the page; `result` gets its value (invalid when the page went away).
    virtual void run(const QString& script, std::function<void(const QVariant&)> result) = 0;
    virtual void reload() = 0;
    virtual bool loading() const = 0;
};

// A text as a JavaScript string literal in apostrophes.
QString JsString(const QString& text);
// The fifteen WriteWisplet values of the settings as a JavaScript array, as
// the preview page's call hands them over (numbers as their typed text). A
// picture gets "?" + pictureVersion after its path so that a refitted picture
// is fetched anew.
QString PreviewValues(const WispletSettings& s, const QString& appFolder, const QString& pictureVersion);
// A script that updates box 0 with `values`, then, when replayFrom names a
// phase ("entrance", "waiting" or "reveal"), seeks to its start and plays; it
// returns the box's timeline, or false when the page holds no box.
QString PreviewUpdateScript(const QString& values, const char* replayFrom = nullptr);
// A script that runs `call` (e.g. "W.seek(0,1.5)") on box 0 and returns the timeline (false without a box).
QString PreviewControlScript(const QString& call);

class PreviewController : public QObject {
    Q_OBJECT
public:
    static constexpr int ContentDelayMs = 150;
    static constexpr int PollMs = 40;
    // Content longer than this (in characters) is shown by reloading the written page.
    static constexpr qsizetype LargeContent = 256 * 1024;

    // settings: reads the controls; writePreview: writes samples/preview.html;
    // pictureVersion: a text that changes whenever MyBackground.jpg does.
    PreviewController(std::function<WispletSettings()> settings, std::function<void()> writePreview,
                      std::function<QString()> pictureVersion, QString appFolder, QObject* parent = nullptr);

    // The first surface is the main one: the timeline is read from it.
    void addSurface(PreviewSurface* surface);
    void removeSurface(PreviewSurface* surface);

    void setAuto(bool on); // off: a change still waiting is dropped
    // How the host writes the page and reloads every view once it is on disk
    // (for large content; without it large content is sent like any other).
    void setReloadWhenWritten(std::function<void()> reload) { reloadWhenWritten_ = std::move(reload); }
    bool isAuto() const { return auto_; }
    // A committed change of the settings; nothing happens while Auto Preview is off.
    void changed(PreviewChange change);

    // Timeline commands; they act on every surface.
    void play();
    void pause();
    void togglePlay();
    void seek(double seconds);
    void showEnd();
    void step(double seconds);

    // The pages were reloaded ("Refresh"): they start over, playing.
    void reloaded();
    // A surface finished loading: follows the timeline (added surfaces) or
    // takes what changed while it loaded.
    void loaded(PreviewSurface* surface);

    const PreviewTimes& times() const { return times_; }
    int updatesSent() const { return updates_; }

signals:
    void timesChanged();
    // An update reached the main page (its script has run there).
    void applied();

private:
    void apply();
    void send(const QString& script, bool fallbackReload);
    void take(const QVariant& result);
    void poll();

    std::function<WispletSettings()> settings_;
    std::function<void()> writePreview_;
    std::function<QString()> pictureVersion_;
    std::function<void()> reloadWhenWritten_;
    QString appFolder_;
    std::vector<PreviewSurface*> surfaces_;
    bool auto_ = false;
    bool stale_ = false; // a change came while a page was loading
    int replay_ = -1;    // earliest phase to replay with the pending update (-1: none)
    int updates_ = 0;
    QTimer apply_, content_, poll_;
    PreviewTimes times_;
    QString restore_; // the call that sets a reloaded page to where the timeline stood
};
