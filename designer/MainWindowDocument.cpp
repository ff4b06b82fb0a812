// The main window's side of design documents: the File menu's document
// commands, the Edit menu with undo and redo, the title, and the change
// notes that make the undo steps.
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "designer/DocumentController.h"
#include "designer/MainWindow.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace {
// Keeps the text boxes' own undo keys for the window's history, and offers
// a crash recovery once the window is first shown.
class DocumentEvents : public QObject {
public:
    DocumentEvents(QObject* parent, std::function<void()> firstShown)
        : QObject(parent), firstShown_(std::move(firstShown)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
                // Not the box's own history: the Edit menu's shortcut runs
                // (and with nothing to undo, nothing happens).
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::Show && firstShown_ && watched == parent()) {
            auto run = std::move(firstShown_);
            firstShown_ = nullptr;
            QTimer::singleShot(0, parent(), run);
        }
        return false;
    }

private:
    std::function<void()> firstShown_;
};

const char* const TextBoxes[] = {"WispletWidth",       "WispletHeight",  "WispletPadIn",      "WispletPadOut",
                                 "WispletBorderWidth", "WispletWaiting", "ContentEntranceDur", "WispletBorderColor",
                                 "WispletBgColor"};
} // namespace

void General::setUpDocument() {
    DocumentController::Host host;
    host.read = [this] { return settings(); };
    host.apply = [this](const WispletSettings& s, bool fresh) { applyDesignState(s, fresh); };
    host.dialogParent = this;
    document_ = new DocumentController(std::move(host), this);

    // File menu: the document commands before Exit.
    QMenu* file = findChild<QMenu*>(QStringLiteral("menuFile"));
    QAction* exitAction = findChild<QAction*>(QStringLiteral("menuExit"));
    auto item = [&](const char* name, const QString& caption, QKeySequence keys, auto slot) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        file->insertAction(exitAction, a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    item("menuNew", QStringLiteral("New"), QKeySequence::New, [this] { document_->newDesign(); });
    item("menuOpen", QStringLiteral("Open..."), QKeySequence::Open, [this] { document_->open(); });
    recentMenu_ = new QMenu(QStringLiteral("Open Recent"), this);
    recentMenu_->setObjectName(QStringLiteral("menuRecent"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("menuRecent"));
    file->insertMenu(exitAction, recentMenu_);
    item("menuSave", QStringLiteral("Save"), QKeySequence::Save, [this] { document_->save(); });
    item("menuSaveAs", QStringLiteral("Save As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [this] { document_->saveAs(); });
    file->insertSeparator(exitAction);
    fillRecentMenu();
    connect(document_, &DocumentController::recentFilesChanged, this, &General::fillRecentMenu);

    // Edit menu after File.
    auto* edit = new QMenu(QStringLiteral("Edit"), this);
    edit->setObjectName(QStringLiteral("menuEdit"));
    const QList<QAction*> bar = menuBar()->actions();
    menuBar()->insertMenu(bar.size() > 1 ? bar.at(1) : nullptr, edit);
    QUndoStack& stack = document_->undoStack();
    QAction* undo = edit->addAction(QStringLiteral("Undo"), &stack, &QUndoStack::undo);
    undo->setObjectName(QStringLiteral("menuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QAction* redo = edit->addAction(QStringLiteral("Redo"), &stack, &QUndoStack::redo);
    redo->setObjectName(QStringLiteral("menuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    // Change notes: each committed change of a control is an undo step.
    auto* events = new DocumentEvents(this, [this] { document_->startUp(); });
    installEventFilter(events);
    for (const char* name : TextBoxes) {
        QLineEdit* b = box(name);
        b->installEventFilter(events);
        connect(b, &QLineEdit::textChanged, this, [this, b] { document_->noteChange(b->objectName()); });
    }
    for (QComboBox* c : {align_, borderStyle_, entrance_, contentEntrance_, backCat_, backImage_})
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] {
            document_->noteChange(c == backImage_ ? QStringLiteral("BackCat") : c->objectName());
        });
    connect(library_, &BackgroundLibrary::listRebuilt, this, [this] { document_->noteChange(QStringLiteral("BackCat"), true); });
    content_->installEventFilter(events);
    content_->setUndoRedoEnabled(false);
    connect(content_, &QPlainTextEdit::textChanged, this,
            [this] { document_->noteChange(QStringLiteral("ContentTextHtml")); });
    connect(document_, &DocumentController::titleChanged, this, &General::updateDocumentTitle);
    updateDocumentTitle();
}

void General::updateDocumentTitle() {
    const QString path = document_->filePath();
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty() ? AppTitle : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + AppTitle);
    // An untitled design keeps the plain title, which has no place for the mark.
    setWindowModified(!path.isEmpty() && document_->isModified());
}

void General::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentFiles::list();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        a->setData(path);
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] { document_->openFile(path); });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

bool General::confirmClose() {
    if (!document_->maybeSave())
        return false;
    document_->cleanExit();
    return true;
}

void General::applyDesignState(const WispletSettings& s, bool fresh) {
    const WispletSettings before = settings();
    {
        QList<QObject*> controls{align_, borderStyle_, entrance_, contentEntrance_, backCat_, backImage_, content_};
        for (const char* name : TextBoxes)
            controls << box(name);
        std::vector<std::unique_ptr<QSignalBlocker>> blocked;
        for (QObject* c : controls)
            blocked.push_back(std::make_unique<QSignalBlocker>(c));

        const std::pair<const char*, const QString*> texts[] = {
            {"WispletWidth", &s.width},          {"WispletHeight", &s.height},   {"WispletPadIn", &s.padIn},
            {"WispletPadOut", &s.padOut},        {"WispletBorderWidth", &s.borderWidth},
            {"WispletWaiting", &s.waiting},      {"ContentEntranceDur", &s.duration},
            {"WispletBorderColor", &s.borderColor}, {"WispletBgColor", &s.bgColor}};
        for (const auto& [name, text] : texts)
            if (box(name)->text() != *text)
                box(name)->setText(*text);
        for (QLineEdit* colour : {borderColor_, bgColor_}) {
            QPalette pal = colour->palette();
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                pal.setColor(group, QPalette::Base, QColor(colour->text()));
            colour->setPalette(pal);
        }
        align_->setCurrentIndex(s.align);
        borderStyle_->setCurrentIndex(s.borderStyle);
        entrance_->setCurrentIndex(s.entrance);
        contentEntrance_->setCurrentIndex(s.contentEntrance);
        if (contentText() != s.contentHtml)
            content_->setPlainText(s.contentHtml);
        behaviour_ = s.behaviour;

        // The background choice: the category's list, then its item.
        const bool listChanged = fresh || backCat_->currentIndex() != s.backCategory;
        backCat_->setCurrentIndex(s.backCategory);
        if (s.backCategory <= 0) {
            if (listChanged)
                backImage_->clear();
        } else if (listChanged || backImage_->findText(s.backImage) < 0) {
            library_->ReadBack(backCat_->currentText());
        }
        if (s.backCategory > 0)
            backImage_->setCurrentIndex(std::max(0, backImage_->findText(s.backImage)));
    }
    const WispletSettings now = settings();
    const bool pictureChosen = now.backCategory > 0 && !now.backImage.isEmpty() && now.backImage != QLatin1String("None");
    const bool choiceChanged = before.backCategory != now.backCategory || before.backImage != now.backImage;
    const bool sizeChanged = before.outerWidth() != now.outerWidth() || before.outerHeight() != now.outerHeight();
    if (pictureChosen && (fresh || choiceChanged)) {
        library_->SelectAndFit();
    } else if (fresh) {
        // A new design has no picture yet, as at start.
        library_->clearSource();
        QFile::remove(AppFolder::file(QLatin1String(AppFolder::Background)));
    } else if (sizeChanged) {
        library_->FitBackground();
    }
    if (fresh || autoPreview_)
        RefreshPreview();
}
