#pragma once
// The toolkit's link dialog ("Hyperlink"): address, text, open in a new
// window; OK, Cancel and, for an existing link, Remove Link.
#include "platform/Dialogs.h"

std::optional<LinkChoice> ShowLinkDialog(QWidget* parent, const LinkChoice& current, bool existing);
