// The main window's part in the box's behaviour: the Box Behaviour window and
// the behaviour the settings carry.
#include "designer/BoxBehaviourWindow.h"
#include "designer/DocumentController.h"
#include "designer/MainWindow.h"

void General::openBoxBehaviour() {
    auto* window = new BoxBehaviourWindow(behaviour_, this);
    connect(window, &BoxBehaviourWindow::chosen, this, &General::setBehaviour);
    window->open();
}

void General::setBehaviour(const BoxBehaviour& behaviour) {
    if (behaviour == behaviour_)
        return;
    behaviour_ = behaviour;
    if (document_)
        document_->noteChange(QStringLiteral("BoxBehaviour"));
    if (autoPreview_)
        RefreshPreview();
}
