#include "platform/WebEditView.h"

#include "platform/EditViewScript.h"
#include "platform/Spelling.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QMenu>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
constexpr auto World = QWebEngineScript::ApplicationWorld;

// The script name of each command run in the document; empty for those the
// engine runs itself (clipboard, history, find) or that are table edits.
const char* scriptCommand(EditCommand c) {
    switch (c) {
    case EditCommand::Bold: return "bold";
    case EditCommand::Italic: return "italic";
    case EditCommand::Underline: return "underline";
    case EditCommand::JustifyLeft: return "justifyLeft";
    case EditCommand::JustifyCenter: return "justifyCenter";
    case EditCommand::JustifyRight: return "justifyRight";
    case EditCommand::OrderList: return "insertOrderedList";
    case EditCommand::UnorderList: return "insertUnorderedList";
    case EditCommand::Indent: return "indent";
    case EditCommand::Outdent: return "outdent";
    case EditCommand::Hyperlink: return "createLink";
    case EditCommand::SetBackColor: return "hiliteColor";
    case EditCommand::Font: return "font";
    default: return "";
    }
}

const char* tableCommand(EditCommand c) {
    switch (c) {
    case EditCommand::InsertRow: return "insertRow";
    case EditCommand::InsertCol: return "insertCol";
    case EditCommand::DeleteRows: return "deleteRow";
    case EditCommand::DeleteCols: return "deleteCol";
    case EditCommand::SplitCell: return "splitCell";
    case EditCommand::InsertCell: return "insertCell";
    default: return "";
    }
}

// The view with a context menu of editing actions only (no reload, history,
// saving or opening of links).
class EditWidget : public QWebEngineView {
public:
    using QWebEngineView::QWebEngineView;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu menu(this);
        for (auto a : {QWebEnginePage::Undo, QWebEnginePage::Redo, QWebEnginePage::NoWebAction, QWebEnginePage::Cut,
                       QWebEnginePage::Copy, QWebEnginePage::Paste, QWebEnginePage::NoWebAction,
                       QWebEnginePage::SelectAll}) {
            if (a == QWebEnginePage::NoWebAction)
                menu.addSeparator();
            else
                menu.addAction(page()->action(a));
        }
        menu.exec(event->globalPos());
    }
};
} // namespace

class EditPage : public QWebEnginePage {
public:
    EditPage(WebEditView* owner, QObject* parent) : QWebEnginePage(parent), owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (!isMainFrame)
            return type != NavigationTypeLinkClicked; // frames of the document may load, not follow links
        if (owner_->expectLoad_ && url.scheme() == QLatin1String("data")) {
            owner_->expectLoad_ = false;
            return true;
        }
        if (type == NavigationTypeLinkClicked && owner_->browse_)
            emit owner_->linkActivated(url);
        return false;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (!owner_->ready_)
            return;
        if (message == QLatin1String(EditViewChangedMessage)) {
            emit owner_->changed();
        } else if (message == QLatin1String(EditViewPastePlainMessage)) {
            emit owner_->pasteRequested(QString(), QGuiApplication::clipboard()->text());
        } else if (message.startsWith(QLatin1String(EditViewPasteMessage))) {
            const QJsonObject o =
                QJsonDocument::fromJson(message.mid(qstrlen(EditViewPasteMessage)).toUtf8()).object();
            emit owner_->pasteRequested(o.value(QLatin1String("html")).toString(), o.value(QLatin1String("text")).toString());
        }
    }

private:
    WebEditView* owner_;
};

void WebEditView::PendingRead::answer(std::optional<QString> html) {
    if (answered)
        return;
    answered = true;
    HtmlCallback callback = std::move(done);
    done = nullptr;
    if (callback)
        callback(std::move(html));
}

WebEditView::WebEditView(QWidget* parent) : EditView(nullptr) {
    view_ = new EditWidget(parent);
    view_->setObjectName(QStringLiteral("DHTMLEdit1"));
    setParent(view_);
    page_ = new EditPage(this, view_);
    QWebEngineSettings* s = page_->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    view_->setPage(page_);
    SetUpSpelling(page_->profile());
    connect(page_, &QWebEnginePage::loadFinished, this, &WebEditView::onLoadFinished);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onCrashed();
            });
}

WebEditView::~WebEditView() {
    // Nobody waits for these any more: drop them unanswered.
    for (auto& r : reads_) {
        r->answered = true;
        r->done = nullptr;
    }
}

QWidget* WebEditView::widget() { return view_; }

void WebEditView::run(const QString& script) {
    if (ready_ && !crashed_)
        page_->runJavaScript(QStringLiteral("window.__wd && ") + script, World);
}

void WebEditView::load(const QString& html, const QString& baseFolder) {
    // A document that fits into a data: address goes in directly; a larger
    // one (setHtml refuses them) by script after a tiny page.
    ready_ = false;
    crashed_ = false;
    QString base = QDir::fromNativeSeparators(baseFolder);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    const bool direct = html.size() < DirectLoadLimit / 3 && QUrl::toPercentEncoding(html).size() < DirectLoadLimit;
    pendingHtml_ = direct ? QString() : html;
    written_ = direct;
    expectLoad_ = true;
    page_->setHtml(direct ? html : QStringLiteral("<html><head></head><body></body></html>"), QUrl::fromLocalFile(base));
}

void WebEditView::onLoadFinished(bool ok) {
    if (ready_ || (pendingHtml_.isNull() && !written_))
        return;
    if (!ok) {
        pendingHtml_ = QString();
        written_ = false;
        emit loaded(false);
        return;
    }
    const QString fill = written_ ? QStringLiteral("attach()")
                                  : QStringLiteral("load(") + ScriptLiteral(pendingHtml_) + QLatin1Char(')');
    const QString script = EditViewScript() + QStringLiteral("; window.__wd.showDetails = ") +
                           (details_ ? QStringLiteral("true") : QStringLiteral("false")) +
                           QStringLiteral("; window.__wd.") + fill +
                           (browse_ ? QStringLiteral(" && !window.__wd.edit(false)") : QString());
    pendingHtml_ = QString();
    written_ = false;
    QPointer<WebEditView> self(this);
    page_->runJavaScript(script, World, [self](const QVariant& result) {
        if (!self)
            return;
        self->ready_ = result.toBool();
        emit self->loaded(self->ready_);
    });
}

void WebEditView::onCrashed() {
    crashed_ = true;
    ready_ = false;
    auto reads = std::move(reads_);
    reads_.clear();
    for (auto& r : reads)
        r->answer(std::nullopt);
    emit crashed();
}

void WebEditView::exec(EditCommand command, const QString& value) {
    if (!ready_ || crashed_ || browse_)
        return;
    switch (command) {
    case EditCommand::Cut: page_->triggerAction(QWebEnginePage::Cut); return;
    case EditCommand::Copy: page_->triggerAction(QWebEnginePage::Copy); return;
    case EditCommand::Paste: page_->triggerAction(QWebEnginePage::Paste); return;
    case EditCommand::Undo: page_->triggerAction(QWebEnginePage::Undo); return;
    case EditCommand::Redo: page_->triggerAction(QWebEnginePage::Redo); return;
    case EditCommand::SelectAll: page_->triggerAction(QWebEnginePage::SelectAll); return;
    case EditCommand::FindText:
        if (!value.isEmpty())
            page_->findText(value);
        return;
    default: break;
    }
    if (const char* table = tableCommand(command); *table) {
        run(QStringLiteral("__wd.table(%1)").arg(ScriptLiteral(QString::fromLatin1(table))));
        return;
    }
    if (const char* name = scriptCommand(command); *name)
        run(QStringLiteral("__wd.command(%1, %2)").arg(ScriptLiteral(QString::fromLatin1(name)), ScriptLiteral(value)));
}

void WebEditView::insertHtml(const QString& html) {
    if (!browse_)
        run(QStringLiteral("__wd.insert(%1)").arg(ScriptLiteral(html)));
}

void WebEditView::readHtml(HtmlCallback done) {
    readString(QStringLiteral("window.__wd ? window.__wd.html() : null"), std::move(done));
}

void WebEditView::readHtmlWithCaret(CaretHtmlCallback done) {
    readString(QStringLiteral("window.__wd ? window.__wd.html(true) : null"), [done](std::optional<QString> html) {
        qsizetype caret = -1;
        if (html) {
            caret = html->indexOf(QLatin1String(CaretComment));
            if (caret >= 0)
                html->remove(caret, qsizetype(qstrlen(CaretComment)));
        }
        done(std::move(html), caret);
    });
}

void WebEditView::readLink(LinkCallback done) {
    readString(QStringLiteral("window.__wd ? window.__wd.link() : null"), [done](std::optional<QString> json) {
        if (!json)
            return done(std::nullopt);
        const QJsonObject o = QJsonDocument::fromJson(json->toUtf8()).object();
        done(LinkInfo{o.value(QLatin1String("inLink")).toBool(), o.value(QLatin1String("address")).toString(),
                      o.value(QLatin1String("text")).toString(), o.value(QLatin1String("newWindow")).toBool()});
    });
}

void WebEditView::setLink(const QString& address, const QString& text, bool newWindow) {
    if (!browse_)
        run(QStringLiteral("__wd.setLink(%1, %2, %3)")
                .arg(ScriptLiteral(address), ScriptLiteral(text), newWindow ? QStringLiteral("true") : QStringLiteral("false")));
}

void WebEditView::removeLink() {
    if (!browse_)
        run(QStringLiteral("__wd.removeLink()"));
}

void WebEditView::readString(const QString& script, HtmlCallback done) {
    if (!ready_ || crashed_) {
        done(std::nullopt);
        return;
    }
    auto read = std::make_shared<PendingRead>();
    read->done = std::move(done);
    reads_.push_back(read);
    QPointer<WebEditView> self(this);
    // ok false: no answer (the document is not there, or the engine is gone).
    auto finish = [self, read](bool ok, const QString& html) {
        if (self)
            std::erase(self->reads_, read);
        read->answer(ok ? std::optional<QString>(html) : std::nullopt);
    };
    page_->runJavaScript(script, World,
                         [finish](const QVariant& result) {
                             finish(result.typeId() == QMetaType::QString, result.toString());
                         });
    QTimer::singleShot(ReadTimeoutMs, this, [finish] { finish(false, QString()); });
}

void WebEditView::setBrowseMode(bool on) {
    browse_ = on;
    run(QStringLiteral("__wd.edit(%1)").arg(on ? QStringLiteral("false") : QStringLiteral("true")));
}

void WebEditView::setShowDetails(bool on) {
    details_ = on;
    run(QStringLiteral("__wd.details(%1)").arg(on ? QStringLiteral("true") : QStringLiteral("false")));
}
