// General: "Edit in Paint", the chosen library picture opened in the paint
// program, from the button beside the picture list or the Tools menu.
#include "designer/LoadingWindow.h" // complete type for BackgroundLibrary's QPointer
#include "designer/BackgroundLibrary.h"
#include "designer/MainWindow.h"
#include "designer/MainWindowHosts.h"
#include "paint/PaintState.h"
#include "paint/PaintWindow.h"
#include "paint/ToolIcons.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

void General::buildPaintControls() {
    // The button takes the right end of the picture list's place.
    const QRect list = backImage_->geometry();
    constexpr int ButtonWidth = 26;
    backImage_->setGeometry(list.adjusted(0, 0, -(ButtonWidth + 2), 0));
    auto* edit = new QPushButton(backImage_->parentWidget());
    edit->setObjectName(QStringLiteral("EditInPaint"));
    edit->setIcon(toolIcon(Tool::Brush));
    edit->setIconSize(QSize(18, 18));
    edit->setToolTip(QStringLiteral("Edit in Paint"));
    edit->setAccessibleName(QStringLiteral("Edit in Paint"));
    edit->setGeometry(list.right() + 1 - ButtonWidth, list.top(), ButtonWidth, list.height());
    connect(edit, &QPushButton::clicked, this, [this] { editInPaint(); });

    // Tools: after "View Backgounds Folder".
    auto* item = new QAction(QStringLiteral("Edit in Paint"), this);
    item->setObjectName(QStringLiteral("editInPaintMenu"));
    if (auto* tools = findChild<QMenu*>(QStringLiteral("menuTools"))) {
        const QList<QAction*> actions = tools->actions();
        const auto* view = findChild<QAction*>(QStringLiteral("viewBack"));
        const qsizetype at = actions.indexOf(const_cast<QAction*>(view));
        tools->insertAction(at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr, item);
    }
    connect(item, &QAction::triggered, this, [this] { editInPaint(); });
}

void General::editInPaint() {
    if (backCat_->currentIndex() <= 0) {
        dialogs().message(this, QStringLiteral("Please select a category"), AppTitle);
        return;
    }
    const QString path = library_->chosenPicture();
    if (path.isEmpty()) {
        dialogs().message(this, QStringLiteral("Please select a picture"), AppTitle);
        return;
    }
    GeneralPaintHost host(*this);
    guarded("paint", [&] {
        frmPaint window(host, this);
        window.setEnabled(true);
        if (window.openPicture(path)) // a picture that cannot be opened was reported
            window.exec();
    });
}
