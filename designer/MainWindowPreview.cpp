// The main window's live preview: the controller that updates the preview
// pages in place, the timeline under the preview, the handlers that tell the
// controller what changed, and the room the preview takes when the window grows.
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "designer/EnlargedPreview.h"
#include "designer/MainWindow.h"
#include "designer/PreviewController.h"
#include "designer/PreviewTimeline.h"
#include "platform/AppFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// Box texts and what their change concerns.
const struct {
    const char* box;
    PreviewChange change;
} ChangingBoxes[] = {
    {"WispletWidth", PreviewChange::Look},          {"WispletHeight", PreviewChange::Look},
    {"WispletPadIn", PreviewChange::Look},          {"WispletPadOut", PreviewChange::Look},
    {"WispletBorderWidth", PreviewChange::Look},    {"WispletBgColor", PreviewChange::Look},
    {"WispletBorderColor", PreviewChange::Look},    {"WispletWaiting", PreviewChange::Waiting},
    {"ContentEntranceDur", PreviewChange::Reveal},
};

// The client area the controls were placed for; growth goes to the preview frame.
constexpr QSize BaseClient(646, 460);
constexpr QRect BaseFrame(264, 72, 377, 385);
constexpr QRect BaseView(8, 16, 361, 329);

// The enlarged preview's sample page, under the box: text and a picture, as
// the box will stand on a visitor's page. It lies over the preview page's own (empty)
// table and under the box, which stands above everything on the page.
const char* const SamplePageScript = R"JS((function(){
if(document.getElementById('wisplet-sample-page'))return;
var d=document.createElement('div');d.id='wisplet-sample-page';d.setAttribute('aria-hidden','true');
d.style.cssText='position:absolute;left:0;top:0;right:0;z-index:0;pointer-events:none;margin:0;padding:28px 36px;'+
 'font:15px/1.6 Georgia,serif;color:#333;background:#fdfdfb;text-align:left';
var p='<p>This is how your box stands on a page: over the text and pictures of the page, where the '+
 'visitor reads. The page keeps its place while the box slides in, waits and shows its content.</p>';
d.innerHTML='<h1 style="font:bold 26px Arial,sans-serif;margin:0 0 14px;color:#224">A sample page</h1>'+
 '<img src="images/sample1.jpg" alt="" style="float:right;width:38%;margin:4px 0 12px 18px">'+p+p+p+p+p+p;
document.body.insertBefore(d,document.body.firstChild);})())JS";

// A browser view as a page of the live preview.
class ViewSurface : public QObject, public PreviewSurface {
public:
    ViewSurface(QWebEngineView* view, PreviewController* controller, std::function<void()> reload,
                QString onLoad = QString())
        : QObject(view), view_(view), controller_(controller), reload_(std::move(reload)), onLoad_(std::move(onLoad)) {
        loading_ = view->page()->isLoading();
        connect(view, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
        connect(view, &QWebEngineView::loadFinished, this, [this](bool) {
            loading_ = false;
            if (!onLoad_.isEmpty())
                view_->page()->runJavaScript(onLoad_);
            if (controller_)
                controller_->loaded(this);
        });
        controller_->addSurface(this);
        // The controller outlives no view: it is told when the view goes.
        connect(controller_, &QObject::destroyed, this, [this] { controller_ = nullptr; });
    }
    ~ViewSurface() override {
        if (controller_)
            controller_->removeSurface(this);
    }
    void run(const QString& script, std::function<void(const QVariant&)> result) override {
        view_->page()->runJavaScript(script, [alive = QPointer<ViewSurface>(this), result = std::move(result)](
                                                 const QVariant& v) {
            if (alive)
                result(v);
        });
    }
    void reload() override { reload_(); }
    bool loading() const override { return loading_; }

private:
    QWebEngineView* view_;
    PreviewController* controller_;
    std::function<void()> reload_;
    QString onLoad_;
    bool loading_ = false;
};

// Calls `f` whenever the watched widget changes size.
class ResizeWatch : public QObject {
public:
    ResizeWatch(QWidget* watched, std::function<void()> f) : QObject(watched), f_(std::move(f)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            f_();
        return false;
    }

private:
    std::function<void()> f_;
};

// Changes whenever MyBackground.jpg is written anew.
QString pictureVersion() {
    const QFileInfo file(AppFolder::file(QLatin1String(AppFolder::Background)));
    if (!file.exists())
        return QString();
    return QString::number(file.lastModified().toMSecsSinceEpoch()) + QLatin1Char('-') + QString::number(file.size());
}
} // namespace

void General::buildLivePreview() {
    live_ = new PreviewController([this] { return settings(); }, [this] { WritePreview(); }, pictureVersion,
                                  AppFolder::path(), this);
    live_->setReloadWhenWritten([this] { reloadWhenWritten(PendingReload::Live); });
    new ViewSurface(browser_, live_, [this] {
        browser_->reload();
        ++reloads_;
    });
    connect(autoPreviewBox_, &QCheckBox::toggled, live_, &PreviewController::setAuto);
    connect(this, &General::previewReloaded, live_, &PreviewController::reloaded);

    for (const auto& b : ChangingBoxes)
        connect(box(b.box), &QLineEdit::textChanged, live_, [this, change = b.change] { live_->changed(change); });
    const std::pair<QComboBox*, PreviewChange> lists[] = {{align_, PreviewChange::Look},
                                                          {borderStyle_, PreviewChange::Look},
                                                          {entrance_, PreviewChange::Entrance},
                                                          {contentEntrance_, PreviewChange::Reveal}};
    for (const auto& [list, change] : lists)
        connect(list, &QComboBox::currentIndexChanged, live_, [this, change = change] { live_->changed(change); });
    connect(content_, &QPlainTextEdit::textChanged, live_, [this] { live_->changed(PreviewChange::Content); });
    connect(library_, &BackgroundLibrary::backgroundWritten, live_, [this] { previewPictureChanged(); });
    // A picture chosen in the list is fitted at once, not only when the list is left.
    connect(backImage_, &QComboBox::activated, this, [this] {
        guarded("select", [this] { library_->SelectAndFit(); });
        previewPictureChanged(); // also when "None" was chosen and nothing was fitted
    });

    auto* frame = browser_->parentWidget();
    timeline_ = new PreviewTimeline(*live_, frame);

    // The window may grow; the controls keep their places and the preview takes the room.
    centralWidget()->setMinimumSize(BaseClient);
    centralWidget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    new ResizeWatch(centralWidget(), [this] { layoutPreview(); });
    resize(minimumSizeHint());
    layoutPreview();
}

void General::layoutPreview() {
    QWidget* frame = browser_->parentWidget();
    const QSize grow = (centralWidget()->size() - BaseClient).expandedTo(QSize(0, 0));
    frame->setGeometry(BaseFrame.adjusted(0, 0, grow.width(), grow.height()));
    const int viewHeight = BaseView.height() + grow.height() - PreviewTimeline::Height - 2;
    browser_->setGeometry(BaseView.left(), BaseView.top(), BaseView.width() + grow.width(), viewHeight);
    timeline_->setGeometry(BaseView.left(), BaseView.top() + viewHeight + 2, BaseView.width() + grow.width(),
                           PreviewTimeline::Height);
    // The check box and the buttons stay at the frame's bottom.
    for (QWidget* w : {static_cast<QWidget*>(autoPreviewBox_), frame->findChild<QWidget*>(QStringLiteral("Refresh")),
                       frame->findChild<QWidget*>(QStringLiteral("EnlargePreview"))}) {
        if (!w)
            continue;
        if (!w->property("baseTop").isValid())
            w->setProperty("baseTop", w->y());
        w->move(w->x(), w->property("baseTop").toInt() + grow.height());
    }
}

void General::attachEnlargedPreview() {
    Browser* big = enlarged_.data();
    new ViewSurface(big->view(), live_, [big] { big->reload(); }, QString::fromUtf8(SamplePageScript));
    auto* timeline = new PreviewTimeline(*live_, big);
    timeline->resize(timeline->width(), PreviewTimeline::Height);
    big->setFooter(timeline);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), big);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, big, &QWidget::close);
}

void General::previewPictureChanged() {
    if (live_)
        live_->changed(PreviewChange::Picture);
}
