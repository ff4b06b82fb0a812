#include "designer/PreviewController.h"
#include "designer/BoxBehaviour.h"

#include "designer/PreviewPage.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
const char* const Phases[] = {"entrance", "waiting", "reveal"};

QString seconds(double t) { return QString::number(std::max(0.0, t), 'f', 3); }
} // namespace

PreviewTimes PreviewTimes::fromPage(const QVariant& result) {
    PreviewTimes t;
    const QVariantMap m = result.toMap();
    if (!m.contains(QStringLiteral("end")))
        return t;
    t.entrance = m.value(QStringLiteral("entrance")).toDouble();
    t.waiting = m.value(QStringLiteral("waiting")).toDouble();
    t.reveal = m.value(QStringLiteral("reveal")).toDouble();
    t.end = m.value(QStringLiteral("end")).toDouble();
    t.time = m.value(QStringLiteral("time")).toDouble();
    t.playing = m.value(QStringLiteral("playing")).toBool();
    t.known = true;
    return t;
}

QString JsString(const QString& text) {
    QString out = QStringLiteral("'");
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '\'')
            out += QLatin1Char('\\') + c;
        else if (u < 0x20 || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('\'');
}

QString PreviewValues(const WispletSettings& s, const QString& appFolder, const QString& pictureVersion) {
    QString background = QStringLiteral("Wisplet_Files/MyBackground") + s.backgroundSuffix();
    if (!s.backgroundSuffix().isEmpty() && !pictureVersion.isEmpty())
        background += QLatin1Char('?') + pictureVersion;
    // The content is already made safe for an apostrophe-quoted literal, as in the page's own call.
    const QString content =
        QStringLiteral("'<font face=arial>") + ContentForPage(s.contentHtml, appFolder) + QStringLiteral("</font>'");
    QStringList values = {JsString(s.waiting),
                                JsString(s.width),
                                JsString(s.height),
                                JsString(background),
                                JsString(s.bgColor),
                                JsString(s.alignText()),
                                JsString(QString::number(s.entrance)),
                                JsString(QString::number(s.contentEntrance)),
                                JsString(s.duration),
                                content,
                                JsString(s.padIn),
                                JsString(s.padOut),
                                JsString(s.borderStyleText()),
                                JsString(s.borderWidth),
                                JsString(s.borderColor)};
    // The box's behaviour as the page's call carries it (show-once left out, as
    // on the written page); an empty object clears options set before.
    BoxBehaviour shown = s.behaviour;
    shown.showOnce = BoxBehaviour::ShowOnce::EveryView;
    const QString options = BehaviourOptionsObject(shown);
    values.append(options.isEmpty() ? QStringLiteral("{}") : options);
    return QLatin1Char('[') + values.join(QLatin1Char(',')) + QLatin1Char(']');
}

namespace {
// Seeks box 0 to the start of a phase ("entrance", "waiting", "reveal") and plays.
QString ReplayCall(const char* phase) {
    const QLatin1String p(phase);
    const QString start = p == QLatin1String("waiting")  ? QStringLiteral("t.entrance")
                          : p == QLatin1String("reveal") ? QStringLiteral("t.entrance+t.waiting")
                                                         : QStringLiteral("0");
    return QStringLiteral("var t=W.timeline(0);W.seek(0,") + start + QStringLiteral(");W.play(0)");
}
} // namespace

QString PreviewControlScript(const QString& call) {
    return QStringLiteral("(function(){var W=window.WriteWisplet;if(!W||!W.count||!W.count())return false;") + call +
           QStringLiteral(";return W.timeline(0);})()");
}

QString PreviewUpdateScript(const QString& values, const char* replayFrom) {
    QString call = QStringLiteral("W.update(0,") + values + QLatin1Char(')');
    if (replayFrom)
        call += QLatin1Char(';') + ReplayCall(replayFrom);
    return PreviewControlScript(call);
}

PreviewController::PreviewController(std::function<WispletSettings()> settings, std::function<void()> writePreview,
                                     std::function<QString()> pictureVersion, QString appFolder, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), writePreview_(std::move(writePreview)),
      pictureVersion_(std::move(pictureVersion)), appFolder_(std::move(appFolder)) {
    apply_.setSingleShot(true);
    apply_.setInterval(0); // the changes of one handler (a spinner step and its refit) make one update
    content_.setSingleShot(true);
    content_.setInterval(ContentDelayMs);
    poll_.setInterval(PollMs);
    connect(&apply_, &QTimer::timeout, this, &PreviewController::apply);
    connect(&content_, &QTimer::timeout, this, &PreviewController::apply);
    connect(&poll_, &QTimer::timeout, this, &PreviewController::poll);
}

void PreviewController::addSurface(PreviewSurface* surface) { surfaces_.push_back(surface); }

void PreviewController::removeSurface(PreviewSurface* surface) {
    surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
}

void PreviewController::setAuto(bool on) {
    auto_ = on;
    if (on)
        return;
    apply_.stop();
    content_.stop();
    replay_ = -1;
}

void PreviewController::changed(PreviewChange change) {
    if (!auto_)
        return;
    if (change == PreviewChange::Content) {
        if (!content_.isActive() && !apply_.isActive())
            content_.start();
        return;
    }
    const int phase = change == PreviewChange::Entrance ? 0
                      : change == PreviewChange::Waiting ? 1
                      : change == PreviewChange::Reveal  ? 2
                                                         : -1;
    if (phase >= 0)
        replay_ = replay_ < 0 ? phase : std::min(replay_, phase);
    content_.stop(); // the update takes the content as it stands
    apply_.start();
}

void PreviewController::apply() {
    apply_.stop();
    content_.stop();
    const char* phase = replay_ >= 0 ? Phases[replay_] : nullptr;
    replay_ = -1;
    ++updates_;
    const WispletSettings s = settings_();
    if (reloadWhenWritten_ && s.contentHtml.size() > LargeContent) {
        restore_ = phase ? ReplayCall(phase)
                         : QStringLiteral("W.seek(0,%1)").arg(seconds(times_.time)) +
                               (times_.playing ? QStringLiteral(";W.play(0)") : QString());
        reloadWhenWritten_();
        return;
    }
    if (writePreview_)
        writePreview_();
    send(PreviewUpdateScript(PreviewValues(s, appFolder_, pictureVersion_ ? pictureVersion_() : QString()), phase),
         true);
}

void PreviewController::send(const QString& script, bool fallbackReload) {
    for (PreviewSurface* s : surfaces_) {
        if (s->loading()) {
            stale_ = stale_ || fallbackReload;
            continue;
        }
        const bool main = s == surfaces_.front();
        s->run(script, [this, s, main, fallbackReload](const QVariant& result) {
            if (std::find(surfaces_.begin(), surfaces_.end(), s) == surfaces_.end())
                return;
            if (result.typeId() == QMetaType::Bool && !result.toBool()) {
                if (fallbackReload)
                    s->reload(); // no box on the page: the written page shows the change
                return;
            }
            if (result.toMap().isEmpty())
                return; // the page went away before the script ran
            if (!main)
                return;
            take(result);
            if (fallbackReload)
                emit applied();
        });
    }
}

void PreviewController::take(const QVariant& result) {
    const PreviewTimes t = PreviewTimes::fromPage(result);
    if (!t.known) {
        if (result.typeId() == QMetaType::Bool && times_.playing) {
            times_.playing = false; // a page without a box has nothing to play
            poll_.stop();
            emit timesChanged();
        }
        return;
    }
    times_ = t;
    if (times_.playing)
        poll_.start();
    else
        poll_.stop();
    emit timesChanged();
}

void PreviewController::poll() {
    if (surfaces_.empty() || surfaces_.front()->loading())
        return;
    surfaces_.front()->run(PreviewControlScript(QString()), [this](const QVariant& r) { take(r); });
}

void PreviewController::play() {
    times_.playing = true;
    if (times_.known && times_.time >= times_.end)
        times_.time = 0; // the page starts again from the beginning
    emit timesChanged();
    poll_.start();
    send(PreviewControlScript(QStringLiteral("W.play(0)")), false);
}

void PreviewController::pause() {
    times_.playing = false;
    poll_.stop();
    emit timesChanged();
    if (surfaces_.empty())
        return;
    // The pages ran on their own clocks: all stand where the main one stopped.
    PreviewSurface* main = surfaces_.front();
    main->run(PreviewControlScript(QStringLiteral("W.pause(0)")), [this, main](const QVariant& r) {
        if (surfaces_.empty() || surfaces_.front() != main)
            return;
        take(r);
        const QString to = PreviewControlScript(QStringLiteral("W.seek(0,%1)").arg(seconds(times_.time)));
        for (PreviewSurface* s : surfaces_)
            if (s != main && !s->loading())
                s->run(to, [](const QVariant&) {});
    });
}

void PreviewController::togglePlay() {
    if (times_.playing)
        pause();
    else
        play();
}

void PreviewController::seek(double t) {
    t = std::max(0.0, t);
    if (times_.known)
        t = std::min(t, times_.end);
    times_.time = t;
    times_.playing = false;
    poll_.stop();
    emit timesChanged();
    send(PreviewControlScript(QStringLiteral("W.seek(0,%1)").arg(seconds(t))), false);
}

void PreviewController::showEnd() { seek(times_.known ? times_.end : std::numeric_limits<double>::max() / 4); }

void PreviewController::step(double dt) { seek(times_.time + dt); }

void PreviewController::reloaded() {
    apply_.stop();
    content_.stop();
    replay_ = -1;
    stale_ = false;
    restore_.clear();
    times_.time = 0;
    times_.playing = true;
    emit timesChanged();
}

void PreviewController::loaded(PreviewSurface* surface) {
    if (surfaces_.empty())
        return;
    if (surface == surfaces_.front()) {
        if (!restore_.isEmpty()) {
            surface->run(PreviewControlScript(std::exchange(restore_, QString())), [this](const QVariant& r) { take(r); });
            return;
        }
        if (stale_) {
            stale_ = false;
            apply(); // what changed while the page loaded
        } else {
            poll();
        }
        return;
    }
    // Another view follows the main one's moment.
    const QString call = QStringLiteral("W.seek(0,%1)").arg(seconds(times_.time)) +
                         (times_.playing ? QStringLiteral(";W.play(0)") : QString());
    surface->run(PreviewControlScript(call), [](const QVariant&) {});
}
