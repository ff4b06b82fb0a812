#include "editor/AdvencedEditor.h"

#include "editor/ContentText.h"
#include "editor/ImageDialog.h"
#include "editor/Insertions.h"
#include "editor/TableDialog.h"
#include "platform/AppContext.h"
#include "platform/AppFolder.h"
#include "platform/ColorText.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/WebEditView.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace {
const QString SaveQuestion = QStringLiteral("Do you want to save your changes?");
const QString SaveTitle = QStringLiteral("Save Changed");
const QString ExitQuestion = QStringLiteral("Are you sure do you want to Exit?");
const QString ExitTitle = QStringLiteral("Exit Advenced Editor");
const QString ReadFailed = QStringLiteral("The edited document could not be read, so nothing was saved. "
                                          "Your changes are still in the editor.");
const QString ViewStopped = QStringLiteral("The editing view stopped working and the document is lost. The content "
                                           "box keeps what was last saved; close the editor and open it again.");

QString samplesFolder() { return AppFolder::file(QStringLiteral("samples")); }

// Buttons that run one command on the selection.
struct ButtonCommand {
    const char* name;
    EditCommand command;
};
const ButtonCommand ButtonCommands[] = {
    {"Bold", EditCommand::Bold},           {"Italic", EditCommand::Italic},
    {"Underline", EditCommand::Underline}, {"AligLeft", EditCommand::JustifyLeft},
    {"AlignCenter", EditCommand::JustifyCenter}, {"AlignRight", EditCommand::JustifyRight},
    {"Ol", EditCommand::OrderList},        {"Ul", EditCommand::UnorderList},
    {"Indent", EditCommand::Indent},       {"Outdent", EditCommand::Outdent},
    {"Cut", EditCommand::Cut},             {"Copy", EditCommand::Copy},
    {"Paste", EditCommand::Paste},         {"Undob", EditCommand::Undo},
    {"Redob", EditCommand::Redo},          {"InsertRow", EditCommand::InsertRow},
    {"InsertCol", EditCommand::InsertCol}, {"DelRow", EditCommand::DeleteRows},
    {"DelCol", EditCommand::DeleteCols},   {"SplitCell", EditCommand::SplitCell},
    {"MergCell", EditCommand::InsertCell},
};
} // namespace

template <class F> auto AdvencedEditor::guard(F f) {
    std::weak_ptr<bool> alive = alive_;
    return [alive, f](auto&&... args) {
        if (!alive.expired())
            f(std::forward<decltype(args)>(args)...);
    };
}

AdvencedEditor::AdvencedEditor(std::unique_ptr<EditorHost> host, QWidget* owner, EditView* view)
    : QWidget(owner, Qt::Window), host_(std::move(host)) {
    setObjectName(QStringLiteral("AdvencedEditor"));
    setWindowTitle(QStringLiteral(" HTML Advanced Editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    view_ = view ? view : new WebEditView(this);
    buildControls();
    buildMenus();
    connectView();
    setUpContentEditing();
    resize(760, 540);
    setMinimumSize(640, 240);
    loadDocument();
}

AdvencedEditor::~AdvencedEditor() {
    alive_.reset(); // answers that arrive from now on are dropped
}

QString AdvencedEditor::getColor() {
    const std::optional<ColorValue> c = dialogs().chooseColor(this, std::nullopt, true);
    return c ? ColorToHtml(*c) : QString();
}

void AdvencedEditor::connectView() {
    for (const ButtonCommand& b : ButtonCommands) {
        const EditCommand c = b.command;
        connect(buttons_.value(QString::fromLatin1(b.name)), &QToolButton::clicked, this, [this, c] { command(c); });
    }
    auto onClick = [this](const char* name, auto slot) {
        connect(buttons_.value(QString::fromLatin1(name)), &QToolButton::clicked, this, slot);
    };
    onClick("br", [this] { view_->insertHtml(QStringLiteral("<br>")); });
    onClick("hr", [this] { view_->insertHtml(QStringLiteral("<hr>")); });
    onClick("Hyperlink", [this] { askHyperlink(); });
    onClick("FontFace", [this] { chooseFont(); });
    onClick("MyBackColor", [this] { command(EditCommand::SetBackColor, getColor()); });
    onClick("InsertImage", [this] { insertImage(); });
    onClick("InsertTable", [this] { insertTable(); });
    onClick("info", [this] { toggleDetails(); });
    onClick("save2", [this] { save2(); });
    onClick("ViewSource", [this] { viewSource(); });
    onClick("Design", [this] { design(); });
    connect(picture2_, &QToolButton::clicked, this, &AdvencedEditor::toggleDetails);
    connect(browse_, &QPushButton::clicked, this, &AdvencedEditor::toggleBrowse);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(view_, &EditView::changed, this, [this] { changed_ = true; });
    connect(view_, &EditView::linkActivated, this, [](const QUrl& url) { shell().openUrl(url); });
    connect(view_, &EditView::crashed, this, [this] {
        lost_ = true;
        loaded_ = false;
        dialogs().message(this, ViewStopped, AppTitle, MsgIcon::Warning);
    });
}

void AdvencedEditor::loadDocument() {
    view_->setShowDetails(true);
    fields_ = host_->fields();
    loaded_ = false;
    // The content as the loaded document spells it: a save that finds the same
    // text writes the original content back unchanged.
    auto onLoaded = std::make_shared<QMetaObject::Connection>();
    *onLoaded = connect(view_, &EditView::loaded, this, [this, onLoaded](bool ok) {
        disconnect(*onLoaded);
        loaded_ = ok;
        if (ok)
            view_->readHtml(guard([this](std::optional<QString> html) {
                if (html && !loadedExtract_)
                    loadedExtract_ = ExtractContent(*html).content;
            }));
    });
    view_->load(EditorTemplate(fields_, ContentTextOfPageScript()), samplesFolder());
    changed_ = false;
}

void AdvencedEditor::command(EditCommand c, const QString& value) {
    if (!sourceView_)
        view_->exec(c, value);
}

void AdvencedEditor::chooseFont() {
    const std::optional<FontChoice> f = dialogs().chooseFont(this, FontChoice());
    if (f)
        command(EditCommand::Font, EditView::FontValue(f->name, f->size, f->bold, f->italic, f->underline,
                                                       f->strikethrough, ColorToHtml(f->color)));
}

void AdvencedEditor::askHyperlink() {
    if (!sourceView_)
        view_->readLink(guard([this](std::optional<LinkInfo> at) { editLink(at.value_or(LinkInfo())); }));
}

void AdvencedEditor::askFind() {
    const QString text = dialogs().inputBox(this, QStringLiteral("Find what:"), QStringLiteral("Find"));
    if (!text.isEmpty())
        command(EditCommand::FindText, text);
}

bool AdvencedEditor::applyWriteBack(const QString& document) {
    const Extracted e = ExtractContent(document);
    if (!e.content) {
        dialogs().message(this, ExtractFaultMessage(e.fault), AppTitle, MsgIcon::Warning);
        return false;
    }
    host_->setContentHtml(ContentToWrite(*e.content, loadedExtract_, fields_.content));
    changed_ = false;
    return true;
}

void AdvencedEditor::writeBack(const std::function<void(bool)>& then) {
    if (saving_)
        return;
    if (sourceView_) {
        const bool ok = applyWriteBack(source_->toPlainText());
        if (ok)
            sourceShown_ = source_->toPlainText();
        then(ok);
        return;
    }
    if (lost_) {
        dialogs().message(this, ViewStopped, AppTitle, MsgIcon::Warning);
        then(false);
        return;
    }
    saving_ = true;
    view_->readHtml(guard([this, then](std::optional<QString> html) {
        saving_ = false;
        bool ok = false;
        if (!html)
            dialogs().message(this, ReadFailed, AppTitle, MsgIcon::Warning);
        else
            ok = applyWriteBack(*html);
        then(ok);
    }));
}

void AdvencedEditor::save2() {
    writeBack([](bool) {});
}

void AdvencedEditor::exitEditor() {
    if (dialogs().message(this, ExitQuestion, ExitTitle, MsgIcon::None, MsgButtons::OkCancel) == MsgAnswer::Ok)
        close();
}

void AdvencedEditor::closeEvent(QCloseEvent* event) {
    if (closeReady_) {
        event->accept();
        return;
    }
    event->ignore();
    if (saving_)
        return; // the write-back under way decides
    const bool sourceEdited = sourceView_ && source_->toPlainText() != sourceShown_;
    if (lost_ || !(changed_ || sourceEdited)) {
        finishClose();
        return;
    }
    if (dialogs().message(this, SaveQuestion, SaveTitle, MsgIcon::None, MsgButtons::OkCancel) != MsgAnswer::Ok) {
        finishClose();
        return;
    }
    // A write-back that fails keeps the window open with the edits (its
    // message says why); otherwise the window closes once it has finished.
    writeBack(guard([this](bool ok) {
        if (ok)
            finishClose();
    }));
}

void AdvencedEditor::finishClose() {
    closeReady_ = true;
    QTimer::singleShot(0, this, [this] { close(); });
}

void AdvencedEditor::setDesignControlsEnabled(bool on) {
    for (const QString& name : DesignOnlyButtons())
        buttons_.value(name)->setEnabled(on);
    picture2_->setEnabled(on); // acts like the info button
    editMenu_->menuAction()->setEnabled(on);
    for (QAction* a : editMenu_->actions())
        a->setEnabled(on);
}

void AdvencedEditor::viewSource() {
    if (sourceView_ || saving_)
        return;
    view_->readHtmlWithCaret(guard([this](std::optional<QString> html, qsizetype caret) {
        if (!html) {
            dialogs().message(this, ReadFailed, AppTitle, MsgIcon::Warning);
            return;
        }
        sourceView_ = true;
        buttons_.value(QStringLiteral("Design"))->show();
        buttons_.value(QStringLiteral("ViewSource"))->hide();
        setDesignControlsEnabled(false);
        view_->widget()->hide();
        showSource(*html, caret);
    }));
}

void AdvencedEditor::design() {
    if (!sourceView_)
        return;
    sourceView_ = false;
    buttons_.value(QStringLiteral("Design"))->hide();
    buttons_.value(QStringLiteral("ViewSource"))->show();
    setDesignControlsEnabled(true);
    view_->widget()->show();
    source_->hide();
    if (source_->toPlainText().isEmpty())
        source_->setPlainText(QStringLiteral(" "));
    const QString text = source_->toPlainText();
    // Typing in the source box is an edit of the document.
    if (text != sourceShown_)
        changed_ = true;
    view_->load(sourceWithCaret(), samplesFolder());
    view_->widget()->setFocus();
}

void AdvencedEditor::toggleBrowse() {
    const bool on = !view_->browseMode();
    view_->setBrowseMode(on);
    browse_->setText(on ? QStringLiteral("Edit Mode") : QStringLiteral("Browse Mode"));
}

void AdvencedEditor::toggleDetails() {
    if (sourceView_)
        return;
    view_->setShowDetails(!view_->showDetails());
}

// Clear the program-wide value, show the dialog modally and insert what it
// handed back.
template <class Dialog> void AdvencedEditor::insertThrough(QString& handed, QString (*adapt)(const QString&)) {
    if (sourceView_)
        return;
    handed.clear();
    {
        Dialog dialog(this);
        dialog.exec();
    }
    if (!handed.isEmpty())
        view_->insertHtml(adapt ? adapt(handed) : handed);
}

void AdvencedEditor::insertImage() { insertThrough<ImageDialog>(AppContext::instance().ImageHtml); }
void AdvencedEditor::insertTable() { insertThrough<frmDialog_Table>(AppContext::instance().TableHtml, TableForEditing); }
