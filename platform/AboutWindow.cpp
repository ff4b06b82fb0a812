#include "platform/AboutWindow.h"

#include "platform/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

const QStringList& SysInfoTools() {
    static const QStringList tools{QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"),
                                   QStringLiteral("hardinfo"), QStringLiteral("lshw-gtk"),
                                   QStringLiteral("gnome-system-monitor")};
    return tools;
}

frmAbout::frmAbout(QWidget* owner)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      owner_(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Wisplet Dorizized"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(396, 239); // 5940 x 3585 twips
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    picture_.load(AppFolder::file(QStringLiteral("images/about.png")));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    const QString okIcon = AppFolder::file(QStringLiteral("icons/ok.png"));
    ok->setIcon(QFile::exists(okIcon) ? QIcon(okIcon) : style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setGeometry(292, 172, 96, 24);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setAutoDefault(false);
    sysInfo->setGeometry(292, 204, 96, 24);

    // OK is both the default and the cancel button: Enter presses it through
    // the default button, Esc through QDialog::reject.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    connect(this, &QDialog::finished, this, [this] {
        if (owner_)
            owner_->setEnabled(true);
        deleteLater();
    });
}

frmAbout::~frmAbout() {
    if (owner_)
        owner_->setEnabled(true);
}

bool frmAbout::StartSysInfo() {
    for (const QString& name : SysInfoTools()) {
        const QString path = shell().findProgram(name);
        if (path.isEmpty())
            continue;
        if (shell().startProgram(path))
            return true;
        break;
    }
    dialogs().message(this, QStringLiteral("System Information Is Unavailable At This Time"));
    return false;
}

void frmAbout::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(224, 224, 224));
    if (!picture_.isNull())
        p.drawImage(0, 0, picture_);
    else
        p.drawText(rect().adjusted(16, 16, -16, -80), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Wisplet Dorizized"));
}
