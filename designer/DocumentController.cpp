#include "designer/DocumentController.h"

#include "designer/DesignPictures.h"
#include "platform/AppContext.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include "platform/SafeWrite.h"
#include <QSettings>
#include <QUndoCommand>

namespace {
const QString FileFilter = QStringLiteral("Wisplet Designs (*.wisplet)|*.wisplet");
const QString RecentKey = QStringLiteral("recentFiles");
QString recentStore;

std::unique_ptr<QSettings> settingsStore() {
    if (!recentStore.isEmpty())
        return std::make_unique<QSettings>(recentStore, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("wisplet-designer"), QStringLiteral("wisplet-designer"));
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }
} // namespace

// ---- Recent files --------------------------------------------------------

QStringList RecentFiles::list() { return settingsStore()->value(RecentKey).toStringList().mid(0, Max); }

void RecentFiles::add(const QString& path) {
    QStringList files = list();
    const QString full = QFileInfo(path).absoluteFilePath();
    files.removeAll(full);
    files.prepend(full);
    settingsStore()->setValue(RecentKey, files.mid(0, Max));
}

void RecentFiles::remove(const QString& path) {
    QStringList files = list();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    files.removeAll(path);
    settingsStore()->setValue(RecentKey, files);
}

void RecentFiles::setStore(const QString& iniFile) { recentStore = iniFile; }

// ---- One undo step: the design's state before and after a change ---------

class DesignStep : public QUndoCommand {
public:
    static constexpr qint64 JoinMs = 1500; // changes of one control closer than this are one step

    DesignStep(DocumentController* c, WispletSettings before, WispletSettings after, QString source, bool follows)
        : controller_(c), before_(std::move(before)), after_(std::move(after)), source_(std::move(source)),
          follows_(follows), time_(QDateTime::currentMSecsSinceEpoch()) {
        setText(source_);
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DesignStep*>(other);
        if (next->source_ != source_ || (!next->follows_ && next->time_ - time_ > JoinMs))
            return false;
        after_ = next->after_;
        time_ = next->time_;
        setObsolete(after_ == before_);
        return true;
    }
    void undo() override { controller_->applyStep(before_); }
    void redo() override {
        if (pushed_) // the change is already in the controls when it is recorded
            controller_->applyStep(after_);
        pushed_ = true;
    }

private:
    DocumentController* controller_;
    WispletSettings before_;
    WispletSettings after_;
    QString source_;
    bool follows_;
    qint64 time_;
    bool pushed_ = false;
};

// ---- The controller ------------------------------------------------------

DocumentController::DocumentController(Host host, QObject* parent) : QObject(parent), host_(std::move(host)) {
    recoveryWriter_.setMaxThreadCount(1);
    // The application folder is the user's own data folder once installed.
    recovery_ = AppFolder::file(QStringLiteral("recovery.wisplet"));
    autosave_.setSingleShot(true);
    autosave_.setInterval(AutosaveMs);
    connect(&autosave_, &QTimer::timeout, this, &DocumentController::writeRecovery);
    connect(&stack_, &QUndoStack::cleanChanged, this, &DocumentController::titleChanged);
    if (host_.read) {
        last_ = host_.read();
        last_.autoPreview = false;
    }
}

DocumentController::~DocumentController() {
    // The history tells its last clean state as it goes; by then the window
    // that shows the title is half gone.
    disconnect(&stack_, nullptr, this, nullptr);
}

void DocumentController::setRecoveryFile(const QString& path) {
    lock_.reset();
    recoveryOwned_ = false;
    recovery_ = path;
}

QString DocumentController::displayName() const {
    return path_.isEmpty() ? QStringLiteral("Untitled") : fileName(path_);
}

void DocumentController::message(const QString& text) {
    dialogs().message(host_.dialogParent, text, AppTitle, MsgIcon::Warning);
}

void DocumentController::noteChange(const QString& source, bool follows) {
    if (applying_ || !host_.read)
        return;
    WispletSettings now = host_.read();
    now.autoPreview = false;
    if (now == last_)
        return;
    stack_.push(new DesignStep(this, last_, now, source, follows));
    last_ = now;
    if (!autosave_.isActive())
        autosave_.start();
}

void DocumentController::applyStep(const WispletSettings& state) {
    applying_ = true;
    if (host_.apply)
        host_.apply(state, false);
    applying_ = false;
    last_ = host_.read ? host_.read() : state;
    last_.autoPreview = false;
}

bool DocumentController::maybeSave() {
    if (!isModified())
        return true;
    const MsgAnswer answer = dialogs().message(host_.dialogParent, QStringLiteral("Save changes to %1?").arg(displayName()),
                                               AppTitle, MsgIcon::Question, MsgButtons::SaveDiscardCancel);
    if (answer == MsgAnswer::Yes)
        return save();
    return answer == MsgAnswer::No;
}

bool DocumentController::newDesign() {
    if (!maybeSave())
        return false;
    return replaceWith(DesignDocument(), QString(), false);
}

bool DocumentController::open() {
    if (!maybeSave())
        return false;
    // Before any file was chosen in this run the dialog starts among the
    // sample designs; a cancel leaves the dialog's memory as it was.
    Dialogs& d = dialogs();
    const QString remembered = d.lastFileName;
    if (remembered.isEmpty())
        d.lastFileName = AppFolder::file(QStringLiteral("samples/designs/"));
    const std::optional<QString> path = d.openFile(host_.dialogParent, QStringLiteral("Open"), FileFilter);
    if (!path || path->isEmpty()) {
        d.lastFileName = remembered;
        return false;
    }
    return load(*path);
}

bool DocumentController::load(const QString& path) {
    const DesignRead read = ReadDesignFile(path);
    if (!read.design) {
        message(QStringLiteral("Cannot open %1: %2.").arg(fileName(path), read.error));
        return false;
    }
    return replaceWith(*read.design, QFileInfo(path).absoluteFilePath(), false);
}

bool DocumentController::openFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        const bool listed = RecentFiles::list().contains(QFileInfo(path).absoluteFilePath());
        RecentFiles::remove(path);
        emit recentFilesChanged();
        message(QStringLiteral("Cannot open %1: the file does not exist%2.")
                    .arg(fileName(path), listed ? QStringLiteral(" any more; it was removed from the recent files")
                                                : QString()));
        return false;
    }
    return maybeSave() && load(path);
}

bool DocumentController::replaceWith(const DesignDocument& opened, const QString& path, bool modified) {
    DesignDocument design = opened;
    QString error;
    WispletSettings state = design.settings;
    if (design.background) {
        const QString name = PlaceDesignBackground(*design.background, AppFolder::path(), &error);
        if (name.isEmpty()) {
            message(QStringLiteral("Cannot open %1: its background picture cannot be put into the library (%2).")
                        .arg(path.isEmpty() ? displayName() : fileName(path), error));
            return false;
        }
        state.backCategory = design.background->category;
        state.backImage = name;
    }
    if (!InstallDesignImages(design, AppFolder::path(), AppContext::instance().ImageCount, &error)) {
        message(QStringLiteral("Cannot open %1: its pictures cannot be put into the working folder (%2).")
                    .arg(path.isEmpty() ? displayName() : fileName(path), error));
        return false;
    }
    state.contentHtml = design.settings.contentHtml; // references may have been renumbered
    applying_ = true;
    if (host_.apply)
        host_.apply(state, true);
    applying_ = false;
    last_ = host_.read ? host_.read() : state;
    last_.autoPreview = false;
    stack_.clear();
    path_ = path;
    if (modified)
        stack_.resetClean();
    else
        QFile::remove(recovery_);
    autosave_.stop();
    if (!path.isEmpty()) {
        RecentFiles::add(path);
        emit recentFilesChanged();
    }
    emit titleChanged();
    return true;
}

bool DocumentController::save() { return path_.isEmpty() ? saveAs() : saveTo(path_); }

bool DocumentController::saveAs() {
    const QString suggested = path_.isEmpty() ? QStringLiteral("Untitled.wisplet") : path_;
    std::optional<QString> path = dialogs().saveFile(host_.dialogParent, QStringLiteral("Save As"), FileFilter, suggested);
    if (!path || path->isEmpty())
        return false;
    if (!path->endsWith(QLatin1String(DesignSuffix), Qt::CaseInsensitive))
        *path += QLatin1String(DesignSuffix);
    return saveTo(*path);
}

bool DocumentController::saveTo(const QString& path) {
    WispletSettings state = host_.read ? host_.read() : last_;
    QString error;
    if (!SaveDesignFile(path, CollectDesign(state, AppFolder::path()), &error)) {
        message(QStringLiteral("Cannot save %1: %2. The design was not saved; any earlier copy of the file is unchanged.")
                    .arg(fileName(path), error));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    stack_.setClean();
    QFile::remove(recovery_);
    autosave_.stop();
    RecentFiles::add(path_);
    emit recentFilesChanged();
    emit titleChanged();
    return true;
}

void DocumentController::settleRecovery() {
    if (lock_)
        return;
    QDir().mkpath(QFileInfo(recovery_).absolutePath());
    lock_ = std::make_unique<QLockFile>(recovery_ + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    // Another running designer owns the recovery file: leave it alone.
    recoveryOwned_ = lock_->tryLock(0);
}

void DocumentController::writeRecovery() {
    settleRecovery();
    if (!recoveryOwned_)
        return;
    if (!isModified()) {
        recoveryWriter_.waitForDone();
        QFile::remove(recovery_);
        return;
    }
    recoveryWriter_.start([settings = host_.read ? host_.read() : last_, folder = AppFolder::path(), file = recovery_] {
        const QByteArray bytes = WriteDesign(CollectDesign(settings, folder));
        if (!bytes.isEmpty())
            WriteFileAtomically(file, bytes); // a failed autosave keeps the previous recovery file
    });
}

bool DocumentController::offerRecovery() {
    settleRecovery();
    if (!recoveryOwned_ || !QFileInfo::exists(recovery_))
        return false;
    const MsgAnswer answer = dialogs().message(
        host_.dialogParent,
        QStringLiteral("Wisplet Dorizized did not close properly last time. Restore the design you were working on?"),
        AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) {
        QFile::remove(recovery_);
        return false;
    }
    const DesignRead read = ReadDesignFile(recovery_);
    if (!read.design) {
        message(QStringLiteral("The design could not be restored: %1.").arg(read.error));
        QFile::remove(recovery_);
        return false;
    }
    return replaceWith(*read.design, QString(), true);
}

void DocumentController::startUp() {
    offerRecovery();
    if (!openAtStart_.isEmpty())
        openFile(std::exchange(openAtStart_, QString()));
}

void DocumentController::cleanExit() {
    autosave_.stop();
    recoveryWriter_.waitForDone();
    settleRecovery();
    if (recoveryOwned_)
        QFile::remove(recovery_);
    lock_.reset();
}
