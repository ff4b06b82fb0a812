// System colour numbers (the classic desktop colour table) mapped onto the
// toolkit palette, so a colour reference follows the desktop's theme.
#include "shapes/ShapeRenderer.h"

#include <QGuiApplication>
#include <QPalette>

ColorValue SystemColor(int index) {
    using R = QPalette::ColorRole;
    struct Entry { QPalette::ColorGroup group; R role; };
    constexpr QPalette::ColorGroup A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;
    static const Entry table[] = {
        {A, R::Button},          // 0 scroll bar
        {A, R::Window},          // 1 desktop
        {A, R::Highlight},       // 2 active caption
        {I, R::Highlight},       // 3 inactive caption
        {A, R::Window},          // 4 menu
        {A, R::Base},            // 5 window background
        {A, R::Shadow},          // 6 window frame
        {A, R::WindowText},      // 7 menu text
        {A, R::Text},            // 8 window text
        {A, R::HighlightedText}, // 9 caption text
        {A, R::Window},          // 10 active border
        {I, R::Window},          // 11 inactive border
        {A, R::Mid},             // 12 application workspace
        {A, R::Highlight},       // 13 highlight
        {A, R::HighlightedText}, // 14 highlighted text
        {A, R::Button},          // 15 button face
        {A, R::Dark},            // 16 button shadow
        {D, R::Text},            // 17 grey text
        {A, R::ButtonText},      // 18 button text
        {I, R::HighlightedText}, // 19 inactive caption text
        {A, R::Light},           // 20 button highlight
        {A, R::Shadow},          // 21 3-D dark shadow
        {A, R::Midlight},        // 22 3-D light
        {A, R::ToolTipText},     // 23 tooltip text
        {A, R::ToolTipBase},     // 24 tooltip background
        {A, R::NoRole},          // 25 (none)
        {A, R::Link},            // 26 hot-tracked item
        {A, R::Highlight},       // 27 active caption gradient
        {I, R::Highlight},       // 28 inactive caption gradient
        {A, R::Highlight},       // 29 menu highlight
        {A, R::Window},          // 30 menu bar
    };
    if (index < 0 || index >= int(std::size(table)) || table[index].role == R::NoRole)
        return Color::Black;
    const QPalette pal = QGuiApplication::palette();
    return Color::fromQColor(pal.color(table[index].group, table[index].role));
}
