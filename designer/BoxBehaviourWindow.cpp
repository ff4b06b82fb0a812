#include "designer/BoxBehaviourWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

BoxBehaviourWindow::BoxBehaviourWindow(const BoxBehaviour& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BoxBehaviour"));
    setWindowTitle(QStringLiteral("Box Behaviour"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    name_ = named(new QLineEdit(current.name, this), "BehaviourName");
    name_->setPlaceholderText(QStringLiteral("Wisplet"));
    name_->setMaxLength(200);
    closeButton_ = named(new QCheckBox(QStringLiteral("Show a &close button"), this), "BehaviourCloseButton");
    escapeCloses_ = named(new QCheckBox(QStringLiteral("&Escape closes the box"), this), "BehaviourEscape");
    pauseOnHover_ = named(new QCheckBox(QStringLiteral("&Pause the content entrance while the pointer or focus is "
                                                       "in the box"),
                                        this),
                          "BehaviourPause");
    showOnce_ = named(new QComboBox(this), "BehaviourShowOnce");
    for (int i = 0; i < 4; ++i)
        showOnce_->addItem(QString::fromLatin1(ShowOnceCaptions()[i]));
    days_ = named(new QSpinBox(this), "BehaviourDays");
    days_->setRange(1, BoxBehaviour::MaxDays);
    days_->setSuffix(QStringLiteral(" days"));
    delay_ = named(new QSpinBox(this), "BehaviourDelay");
    delay_->setRange(0, BoxBehaviour::MaxDelay);
    delay_->setSuffix(QStringLiteral(" s"));

    closeButton_->setChecked(current.closeButton);
    escapeCloses_->setChecked(current.escapeCloses);
    pauseOnHover_->setChecked(current.pauseOnHover);
    showOnce_->setCurrentIndex(int(current.showOnce));
    days_->setValue(current.days);
    delay_->setValue(current.delay);
    days_->setEnabled(current.showOnce == BoxBehaviour::ShowOnce::EveryNDays);
    // A box with a close button always closes with Escape too.
    auto escapeFollows = [this](bool closable) {
        escapeCloses_->setEnabled(!closable);
        if (closable)
            escapeCloses_->setChecked(true);
    };
    escapeFollows(current.closeButton);
    connect(closeButton_, &QCheckBox::toggled, this, escapeFollows);
    connect(showOnce_, &QComboBox::currentIndexChanged, this,
            [this](int i) { days_->setEnabled(i == int(BoxBehaviour::ShowOnce::EveryNDays)); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name (read by screen readers):"), name_);
    auto* once = new QHBoxLayout;
    once->addWidget(showOnce_, 1);
    once->addWidget(days_);
    auto* showLabel = new QLabel(QStringLiteral("&Show:"), this);
    showLabel->setBuddy(showOnce_);
    form->addRow(showLabel, once);
    form->addRow(QStringLiteral("&Delay before the entrance:"), delay_);
    auto* note = new QLabel(QStringLiteral("\"Show\" applies to the exported page only: the preview shows the box "
                                           "on every refresh."),
                            this);
    note->setWordWrap(true);
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "BehaviourButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit chosen(behaviour());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addWidget(closeButton_);
    root->addWidget(escapeCloses_);
    root->addWidget(pauseOnHover_);
    root->addWidget(note);
    root->addWidget(buttons);
}

BoxBehaviour BoxBehaviourWindow::behaviour() const {
    BoxBehaviour b;
    b.name = name_->text().trimmed();
    b.closeButton = closeButton_->isChecked();
    b.escapeCloses = escapeCloses_->isChecked() && !b.closeButton;
    b.pauseOnHover = pauseOnHover_->isChecked();
    b.showOnce = BoxBehaviour::ShowOnce(showOnce_->currentIndex());
    if (b.showOnce == BoxBehaviour::ShowOnce::EveryNDays)
        b.days = days_->value();
    b.delay = delay_->value();
    return b;
}
