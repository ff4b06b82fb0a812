// The Select Area (0) and Text (8) tools: thin forwarders to the window's
// selection and text-box controllers, which the Edit menu shares.
#include "paint/SelectionTools.h"

#include "paint/PaintEnv.h"
#include "paint/SelectionController.h"
#include "paint/TextBoxController.h"

namespace {

QPoint at(const ToolEvent& e) { return QPoint(e.x, e.y); }

class SelectAreaTool : public PaintTool {
public:
    explicit SelectAreaTool(PaintEnv& env) : PaintTool(Tool::SelectArea, env), ctl_(SelectionController::of(env)) {}

    void press(const ToolEvent& e) override {
        if (e.button == Qt::LeftButton)
            ctl_.press(at(e));
    }
    void move(const ToolEvent& e) override { ctl_.move(at(e), e.shift, e.ctrl); }
    void release(const ToolEvent& e) override { ctl_.release(at(e), e.shift, e.ctrl); }
    // Double-click, Enter, a tool change, Undo and the effects drop the selection.
    void finish() override { ctl_.selection().DropSelection(); }

private:
    SelectionController& ctl_;
};

class TextTool : public PaintTool {
public:
    explicit TextTool(PaintEnv& env) : PaintTool(Tool::Text, env), box_(TextBoxController::of(env)) {}

    void press(const ToolEvent& e) override {
        if (e.button == Qt::LeftButton)
            box_.press(at(e));
    }
    // Another tool: the text typed so far goes into the picture.
    void deactivated() override { box_.commit(); }

private:
    TextBoxController& box_;
};

} // namespace

std::unique_ptr<PaintTool> createSelectionTool(int index, PaintEnv& env) {
    switch (index) {
    case Tool::SelectArea: return std::make_unique<SelectAreaTool>(env);
    case Tool::Text: return std::make_unique<TextTool>(env);
    default: return nullptr;
    }
}
