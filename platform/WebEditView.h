#pragma once
// The edit view on the browser engine: a QWebEngineView named "DHTMLEdit1"
// whose page is in design mode. The page never leaves its document: link
// clicks, reloads, history steps, dropped files and new windows are refused
// (in browse mode a clicked link is reported through linkActivated()). The
// document's own scripts never run.
#include "platform/EditView.h"

#include <QPointer>
#include <memory>
#include <vector>

class QWebEngineView;
class EditPage;

class WebEditView : public EditView {
    Q_OBJECT
public:
    // The view widget is created as a child of `parent`; this object lives
    // as long as the widget.
    explicit WebEditView(QWidget* parent);
    ~WebEditView() override;

    QWidget* widget() override;
    QWebEngineView* webView() const { return view_; }

    void load(const QString& html, const QString& baseFolder) override;
    void exec(EditCommand command, const QString& value = QString()) override;
    void insertHtml(const QString& html) override;
    void readHtml(HtmlCallback done) override;
    void readHtmlWithCaret(CaretHtmlCallback done) override;
    void readLink(LinkCallback done) override;
    void setLink(const QString& address, const QString& text, bool newWindow) override;
    void removeLink() override;
    void setBrowseMode(bool on) override;
    bool browseMode() const override { return browse_; }
    void setShowDetails(bool on) override;
    bool showDetails() const override { return details_; }

    // A reading that the engine has not answered after this long answers nothing.
    static constexpr int ReadTimeoutMs = 10000;
    // Largest data: address (in bytes) the engine loads directly.
    static constexpr qsizetype DirectLoadLimit = 2 * 1024 * 1024 - 1024;

private:
    friend class EditPage;
    struct PendingRead {
        HtmlCallback done;
        bool answered = false;
        void answer(std::optional<QString> html);
    };
    void run(const QString& script);
    // Run `script` (an expression giving a string) and hand its answer to done
    // (nothing when there is no answer in time), as readHtml does.
    void readString(const QString& script, HtmlCallback done);
    void onLoadFinished(bool ok);
    void onCrashed();

    QWebEngineView* view_ = nullptr;
    EditPage* page_ = nullptr;
    QString pendingHtml_;     // the document still to be put in by script
    bool written_ = false;    // the document itself is the page being loaded
    bool expectLoad_ = false; // the next main-frame navigation is our own blank page
    bool ready_ = false;      // a document is loaded and editable
    bool crashed_ = false;
    bool browse_ = false;
    bool details_ = true;
    std::vector<std::shared_ptr<PendingRead>> reads_;
};
