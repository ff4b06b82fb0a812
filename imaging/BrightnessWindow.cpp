#include "imaging/BrightnessWindow.h"

#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"
#include "imaging/PictureBox.h"
#include "platform/AppFolder.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/SafeWrite.h"
#include "platform/Surface.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

// Window coordinates are laid out in twips, 15 to a pixel.
int Px(double twips) { return int(std::lround(twips / 15.0)); }
QRect TwipRect(int left, int top, int width, int height) { return {Px(left), Px(top), Px(width), Px(height)}; }

// The largest side written as a background; beyond it the save is skipped.
constexpr int MaxSide = 16384;

} // namespace

double LeadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const auto m = number.match(text);
    if (!m.hasMatch())
        return 0.0;
    bool ok = false;
    const double v = m.captured(1).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

frmBrightnessAndContrast::frmBrightnessAndContrast(BrightnessHost& host, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmBrightnessAndContrast"));
    setWindowTitle(QStringLiteral("Brightness And Contrast "));
    setModal(true);

    lblContrast_ = new QLabel(QStringLiteral("&Contrast"), this);
    lblContrast_->setObjectName(QStringLiteral("lblContrast"));
    lblContrast_->setGeometry(TwipRect(120, 120, 855, 255));

    hscContrast_ = new QScrollBar(Qt::Horizontal, this);
    hscContrast_->setObjectName(QStringLiteral("hscContrast"));
    hscContrast_->setRange(0, 200);
    hscContrast_->setValue(100);
    hscContrast_->setSingleStep(10);
    hscContrast_->setInvertedControls(false); // right arrow raises the value
    hscContrast_->setPageStep(40);
    hscContrast_->setGeometry(TwipRect(840, 120, 1575, 255));
    lblContrast_->setBuddy(hscContrast_);

    lblBrightness_ = new QLabel(QStringLiteral("&Brightness"), this);
    lblBrightness_->setObjectName(QStringLiteral("lblBrightness"));
    lblBrightness_->setGeometry(TwipRect(2880, 120, 855, 255));

    hscBrightness_ = new QScrollBar(Qt::Horizontal, this);
    hscBrightness_->setObjectName(QStringLiteral("hscBrightness"));
    hscBrightness_->setRange(0, 510);
    hscBrightness_->setValue(255);
    hscBrightness_->setSingleStep(32);
    hscBrightness_->setInvertedControls(false); // right arrow raises the value
    hscBrightness_->setPageStep(64);
    hscBrightness_->setGeometry(TwipRect(3720, 120, 1575, 255));
    lblBrightness_->setBuddy(hscBrightness_);

    Save_ = new QPushButton(QStringLiteral("Save"), this);
    Save_->setObjectName(QStringLiteral("Save"));
    Save_->setGeometry(TwipRect(6480, 120, 855, 255));
    Save_->setAutoDefault(false);

    Cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel_->setObjectName(QStringLiteral("Cancel"));
    Cancel_->setGeometry(TwipRect(7320, 120, 855, 255));
    Cancel_->setAutoDefault(false);

    picResult_ = new PictureBox(this);
    picResult_->setObjectName(QStringLiteral("picResult"));
    picResult_->setGeometry(TwipRect(120, 480, 8115, 5115));

    picSource_ = new PictureBox(this);
    picSource_->setObjectName(QStringLiteral("picSource"));
    picSource_->setGeometry(TwipRect(5400, 120, 195, 195));
    picSource_->hide();

    // The captions get the width of their text in the font in use, and each
    // scroll bar starts after its caption's text rather than over it.
    for (auto [caption, bar] : {std::pair<QLabel*, QScrollBar*>{lblContrast_, hscContrast_},
                                std::pair<QLabel*, QScrollBar*>{lblBrightness_, hscBrightness_}}) {
        const int textWidth = caption->sizeHint().width();
        caption->resize(std::max(caption->width(), textWidth), caption->height());
        bar->move(std::max(bar->x(), caption->x() + textWidth + Px(60)), bar->y());
    }

    resize(Px(120 + 8115 + 120), Px(480 + 5115 + 120));

    connect(hscContrast_, &QScrollBar::valueChanged, this, [this] { UpdateResult(); });
    connect(hscBrightness_, &QScrollBar::valueChanged, this, [this] { UpdateResult(); });
    connect(Save_, &QPushButton::clicked, this, [this] { Save_Click(); });
    connect(Cancel_, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

frmBrightnessAndContrast::~frmBrightnessAndContrast() = default;

void frmBrightnessAndContrast::Open(BrightnessHost& host, QWidget* parent) {
    frmBrightnessAndContrast window(host, parent);
    window.exec();
}

void frmBrightnessAndContrast::Form_Load() {
    QString problem;
    try {
        const QString path = AppFolder::file(QStringLiteral("%1/%2/%3")
                                                 .arg(QLatin1String(AppFolder::Backgrounds),
                                                      host_.backgroundCategory(), host_.backgroundFileName()));
        const PictureLoad load = loadPicture(path);
        const QImage& picture = load.image;
        if (!load.ok() && QFileInfo(path).isFile())
            problem = load.error; // a picture was chosen but cannot be read
        if (!picture.isNull()) {
            source_.CreateFromPicture(picture);
            if (!source_.IsEmpty()) {
                picSource_->surface().image() = QImage(source_.Width(), source_.Height(), QImage::Format_RGB32);
                source_.PaintPicture(picSource_->surface());
                picSource_->surface().refresh();
                loaded_ = result_.Create(source_.Width(), source_.Height());
            }
        }
    } catch (const std::exception&) {
        loaded_ = false;
    }
    if (loaded_) {
        UpdateResult();
        return;
    }
    if (!problem.isEmpty())
        dialogs().message(this, problem, AppTitle, MsgIcon::Warning);
    else
        dialogs().message(this, QStringLiteral("PLease select an Image"));
    Save_->hide();
}

void frmBrightnessAndContrast::UpdateResult() {
    try {
        processor_.setBrightness(cBrightnessContrast::BrightnessFromScroll(hscBrightness_->value()));
        processor_.setContrast(cBrightnessContrast::ContrastFromScroll(hscContrast_->value()));
        if (!loaded_)
            return;
        processor_.process(source_, result_);
        Surface& shown = picResult_->surface();
        if (shown.width() != result_.Width() || shown.height() != result_.Height())
            shown.image() = QImage(result_.Width(), result_.Height(), QImage::Format_RGB32);
        result_.PaintPicture(shown);
        shown.refresh();
    } catch (const std::exception&) {
        // a failed update leaves the last result on screen
    }
}

void frmBrightnessAndContrast::Save_Click() {
    if (!loaded_)
        return;
    const QString temp = AppFolder::file(QLatin1String(AppFolder::TempBmp));
    // The adjusted picture travels through a temporary .bmp; when that file
    // cannot be written or read back, the result itself is used, so the
    // background written below is always the adjusted picture.
    QImage adjusted;
    try {
        if (result_.SavePicture(temp))
            adjusted = LoadPicture(temp);
    } catch (const std::exception&) {
    }
    if (adjusted.isNull() || adjusted.size() != QSize(result_.Width(), result_.Height()))
        adjusted = result_.ToImage();
    try {
        host_.setPicture1(adjusted);
    } catch (const std::exception&) {
    }
    QFile::remove(temp);

    QString reason;
    try {
        const double w = std::nearbyint(LeadingNumber(host_.widthText()));
        const double h = std::nearbyint(LeadingNumber(host_.heightText()));
        if (!adjusted.isNull() && w >= 1 && h >= 1 && w <= MaxSide && h <= MaxSide) {
            Surface& target = host_.Picture2();
            target.resize(int(w), int(h));
            target.clear();
            target.paint(
                [&](QPainter& p) {
                    p.setRenderHint(QPainter::SmoothPixmapTransform);
                    p.drawImage(QRect(0, 0, int(w), int(h)), adjusted);
                },
                false);
            SaveJpeg(target.image(), AppFolder::file(QLatin1String(AppFolder::Background)), 100, &reason);
        }
    } catch (const std::exception& e) {
        // The previous background file stays; the window stays open so the
        // user can try again or cancel.
        dialogs().message(this,
                          WriteFailureText(AppFolder::file(QLatin1String(AppFolder::Background)),
                                           reason.isEmpty() ? ErrorDescription(e) : reason),
                          AppTitle, MsgIcon::Critical);
        return;
    }
    accept();
}

void frmBrightnessAndContrast::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width() - Px(200), h = height() - Px(500);
    picResult_->move(Px(100), Px(400));
    if (w > 0 && h > 0)
        picResult_->resize(w, h);
}
