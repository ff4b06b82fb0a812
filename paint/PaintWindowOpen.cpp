// frmPaint: File > Open... and a picture file dropped on the canvas.
#include "imaging/PictureFile.h"
#include "paint/PaintCommands.h"
#include "paint/PaintLayout.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWindow.h"
#include "paint/PictureOpen.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QLabel>
#include <QLayout>

void frmPaint::wireOpen() {
    if (QAction* a = menus_->action(QStringLiteral("mnuOpen")))
        connect(a, &QAction::triggered, this, [this] { guarded(0, [this] { Open(); }); });
    staPicture_ = new QLabel(sta_);
    staPicture_->setObjectName(QStringLiteral("staPicture"));
    staPicture_->setFrameShape(QFrame::Panel);
    staPicture_->setFrameShadow(QFrame::Sunken);
    staPicture_->setIndent(3);
    staPicture_->hide(); // shown while the canvas holds an opened picture
    if (QLayout* row = sta_->layout())
        row->addWidget(staPicture_);
    new PictureOpen::DropFilter(picPaint_, [this](const QString& path) {
        guarded(0, [&] { openPicture(path); });
    });
}

void frmPaint::Open() {
    const std::optional<QString> path = dialogs().openFile(this, QStringLiteral("Open"), PictureFile::openFilter());
    if (path && !path->isEmpty())
        openPicture(*path);
}

bool frmPaint::openPicture(const QString& path) {
    std::optional<PictureOpen::Opened> opened =
        PictureOpen::prepare(this, path, state_.fillColor, PaintLayout::MaxCanvasSide);
    if (!opened)
        return false; // not a picture, or declined: the canvas stays as it was
    bool saved = false;
    if (!askToSave(&saved))
        return false;
    ZoomImage(0, 0, true); // a zoomed view shows its reference again: before the picture goes in
    canvas_.image() = std::move(opened->picture);
    // As New (no selection, no pending figure, the history holding only the
    // canvas), keeping the picture: the history starts with it.
    PaintCommands::resetForNew(*this, true);
    state_.changed = false;
    pictureName_ = opened->fileName;
    proposedName_ = opened->baseName;
    AdjustPaintResizeBox();
    Form_Resize();
    picPaint_->setFocus();
    return true;
}

void frmPaint::updatePictureStatus() {
    if (!staPicture_)
        return;
    staPicture_->setVisible(!pictureName_.isEmpty());
    staPicture_->setText(PictureOpen::statusText(pictureName_, QSize(canvas_.width(), canvas_.height())));
}
