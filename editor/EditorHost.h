#pragma once
// What the content editor needs of the window that opens it (the main window
// implements it): the box's fields as displayed, and the content box.
#include "editor/EditorDocument.h"

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The alignment, size, border, inner padding, border style and content
    // as the main window shows them now.
    virtual EditorFields fields() const = 0;
    // Replace the content HTML box's text.
    virtual void setContentHtml(const QString& html) = 0;
};
