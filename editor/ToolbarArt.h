#pragma once
// The pictures of the editor's buttons, drawn in code: one per button
// objectName ("Cut", "Bold", "ViewSource", ...), plus "Picture1" (the comment
// mark shown in the first label) and "Picture2" (the info picture).
#include <QIcon>
#include <QPixmap>

// The button picture for `name`, 16 x 16 (ViewSource and Design: 44 x 16),
// drawn for both normal and double pixel density. A null icon for unknown names.
QIcon ToolbarIcon(const QString& name);
// The same picture as a pixmap of the given size.
QPixmap ToolbarPixmap(const QString& name, QSize size);
