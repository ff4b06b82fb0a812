#include "editor/ImageDialog.h"

#include "imaging/PictureLoader.h"
#include "platform/AppContext.h"
#include "platform/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLabel* label(const char* name, const char* text, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit* box(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QLineEdit(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QGroupBox* frame(const char* name, const char* caption, QWidget* parent) {
    auto* g = new QGroupBox(QString::fromLatin1(caption), parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

// A number box with its spinner in the grid row; the spinner steps the box.
UpDown* spinner(const char* name, QLineEdit* buddy, int max, QGridLayout* grid, int row) {
    buddy->setFixedWidth(56);
    auto* s = new UpDown(buddy, 0, max, buddy->parentWidget());
    s->setObjectName(QString::fromLatin1(name));
    s->setFixedSize(15, buddy->sizeHint().height());
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(buddy);
    pair->addWidget(s);
    pair->addStretch();
    grid->addLayout(pair, row, 1);
    return s;
}
} // namespace

const QStringList& ImageDialog::Alignments() {
    static const QStringList items{"Default",  "Left",      "Right",  "Texttop", "Absmiddle",
                                   "Baseline", "Absbottom", "Bottom", "Middle",  "Top"};
    return items;
}

ImageDialog::ImageDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ImageDialog"));
    setWindowTitle(QStringLiteral("Picture"));
    setWindowModality(Qt::ApplicationModal);
    auto* root = new QGridLayout(this);

    src_ = box("ImageSrc", QString(), this);
    src_->setMinimumWidth(240);
    auto* browseButton = new QPushButton(QStringLiteral("Browse"), this);
    browseButton->setObjectName(QStringLiteral("Browse"));
    browseButton->setAutoDefault(false);
    alt_ = box("ImageAlt", QString(), this);
    root->addWidget(label("Label1", "Picture Source:", this), 0, 0);
    root->addWidget(src_, 0, 1, 1, 2);
    root->addWidget(browseButton, 0, 3);
    root->addWidget(label("Label2", "Alternate Text:", this), 1, 0);
    root->addWidget(alt_, 1, 1, 1, 3);

    QGroupBox* layoutFrame = frame("Layout", "Layout", this);
    auto* lg = new QGridLayout(layoutFrame);
    align_ = new QComboBox(layoutFrame);
    align_->setObjectName(QStringLiteral("ImageAlign"));
    align_->setEditable(true);
    align_->addItems(Alignments());
    align_->setCurrentIndex(0);
    lg->addWidget(label("AlignmentL", "Alignment:", layoutFrame), 0, 0);
    lg->addWidget(align_, 0, 1);
    border_ = box("ImageBorder", QStringLiteral("0"), layoutFrame);
    lg->addWidget(label("Label3", "Border Thickness:", layoutFrame), 1, 0);
    NumericKeyFilter::attach(border_, 0, spinner("UpDown1", border_, 10, lg, 1));

    QGroupBox* spacing = frame("Spacing", "Spacing", this);
    auto* sg = new QGridLayout(spacing);
    spaceH_ = box("ImageSpaceH", QStringLiteral("0"), spacing);
    sg->addWidget(label("Label4", "Horizontal:", spacing), 0, 0);
    spinner("UpDown2", spaceH_, 10, sg, 0);
    spaceV_ = box("ImageSpaceV", QStringLiteral("0"), spacing);
    sg->addWidget(label("Label5", "Vertical:", spacing), 1, 0);
    spinner("UpDown3", spaceV_, 10, sg, 1);

    QGroupBox* size = frame("Size", "Size", this);
    auto* zg = new QGridLayout(size);
    width_ = box("imageWidth", QString(), size);
    zg->addWidget(label("Label7", "Width:", size), 0, 0);
    NumericKeyFilter::attach(width_, 0, spinner("UpDown4", width_, 1000, zg, 0));
    height_ = box("imageHeight", QString(), size);
    zg->addWidget(label("Label6", "Height:", size), 1, 0);
    NumericKeyFilter::attach(height_, 0, spinner("UpDown5", height_, 10, zg, 1));

    root->addWidget(layoutFrame, 2, 0, 1, 2);
    root->addWidget(spacing, 2, 2, 1, 2);
    root->addWidget(size, 3, 0, 1, 2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Insert"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons, 3, 2, 1, 2);

    connect(browseButton, &QPushButton::clicked, this, &ImageDialog::browse);
    connect(ok, &QPushButton::clicked, this, &ImageDialog::insert);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ImageFields ImageDialog::fields() const {
    ImageFields f;
    f.src = src_->text();
    f.alt = alt_->text();
    f.align = align_->currentText();
    f.border = border_->text();
    f.spaceH = spaceH_->text();
    f.spaceV = spaceV_->text();
    f.width = width_->text();
    f.height = height_->text();
    return f;
}

void ImageDialog::browse() {
    const std::optional<QString> chosen = dialogs().openFile(this, QStringLiteral("Picture Source"), Filter);
    if (!chosen || chosen->isEmpty())
        return;
    // A file of the right kind is copied only when it really is a picture.
    if (IsWorkingPictureExtension(PictureExtension(*chosen))) {
        if (const PictureLoad check = loadPicture(*chosen, QSize(32, 32)); !check.ok()) {
            dialogs().message(this, check.error, AppTitle, MsgIcon::Warning);
            return;
        }
    }
    bool told = false; // a failed copy is told by the copy itself, with the system's reason
    const PictureCopy copied = CopyPictureIn(*chosen, AppFolder::path(), AppContext::instance().ImageCount,
                                             [this, &told](const QString& source, const QString& destination) {
                                                 QDir().mkpath(QFileInfo(destination).path());
                                                 QFile::remove(destination); // an old copy is replaced
                                                 const CopyResult r = shell().copyFile(this, source, destination);
                                                 told = r == CopyResult::Failed;
                                                 return r == CopyResult::Copied;
                                             });
    if (copied.outcome == PictureOutcome::Copied)
        src_->setText(copied.source);
    else if (!told)
        dialogs().message(this, PictureMessage(copied.outcome), AppTitle, MsgIcon::Warning);
}

void ImageDialog::insert() {
    // Nothing is composed before a picture was ever chosen in this run, nor
    // for an empty source.
    if (!dialogs().lastFileName.isEmpty() && !src_->text().trimmed().isEmpty())
        AppContext::instance().ImageHtml = ImageTag(fields());
    accept();
}
