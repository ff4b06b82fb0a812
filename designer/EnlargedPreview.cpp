#include "designer/EnlargedPreview.h"

#include "platform/AppFolder.h"

#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>
#include <cmath>

std::optional<QRect> EnlargedBrowserPlacement(int innerWidthTwips, int innerHeightTwips) {
    const int width = innerWidthTwips - 200;
    const int height = innerHeightTwips - 500;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return QRect(100, 400, width, height);
}

int TwipsToPixels(int twips) { return int(std::nearbyint(twips / 15.0)); }

Browser::Browser(std::function<void()> writePreview, QWidget* parent)
    : QWidget(parent, Qt::Window), writePreview_(std::move(writePreview)) {
    setObjectName(QStringLiteral("Browser"));
    setWindowTitle(QStringLiteral("Enlarge Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);
    setAutoFillBackground(true);

    refresh_ = new QPushButton(QStringLiteral("Refresh"), this);
    refresh_->setObjectName(QStringLiteral("Command1"));
    refresh_->setGeometry(TwipsToPixels(120), TwipsToPixels(120), TwipsToPixels(855), TwipsToPixels(255));
    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    connect(refresh_, &QPushButton::clicked, this, &Browser::refresh);
    resize(TwipsToPixels(8610), TwipsToPixels(6495));

    if (writePreview_)
        writePreview_();
    view_->load(QUrl::fromLocalFile(AppFolder::file(QString::fromLatin1(AppFolder::PreviewPage))));
}

void Browser::reload() {
    view_->reload();
    ++reloads_;
}

void Browser::refresh() {
    if (writePreview_)
        writePreview_();
    reload();
}

void Browser::resizeEvent(QResizeEvent*) {
    const std::optional<QRect> place = EnlargedBrowserPlacement(width() * 15, height() * 15);
    if (!place)
        return;
    QRect view(TwipsToPixels(place->left()), TwipsToPixels(place->top()), TwipsToPixels(place->width()),
               TwipsToPixels(place->height()));
    if (footer_ && view.height() > footer_->height() + 2) {
        view.setHeight(view.height() - footer_->height() - 2);
        footer_->setGeometry(view.left(), view.bottom() + 3, view.width(), footer_->height());
    }
    view_->setGeometry(view);
}

void Browser::setFooter(QWidget* footer) {
    footer_ = footer;
    resizeEvent(nullptr);
}
