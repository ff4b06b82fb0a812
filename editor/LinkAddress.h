#pragma once
// Addresses the content may link to or show pictures from: http, https and
// mailto addresses and relative ones (pictures also data:image); anything
// else (javascript:, file:, data: pages, ...) is refused.
#include <QString>
#include <optional>

enum class AddressUse { Link, Picture };

// The address ready for an attribute: blanks and tabs around it and line
// breaks inside it (which browsers ignore, so they hide a scheme) taken out,
// and blanks, quotes, angle brackets and apostrophes percent-escaped. Nothing
// when the address is empty or not allowed.
std::optional<QString> CheckedAddress(const QString& address, AddressUse use = AddressUse::Link);

// What to tell the user about an address CheckedAddress refused.
inline const QString AddressRefusedMessage = QStringLiteral(
    "This address cannot be used for a link. Use an address that starts with http://, https:// or mailto:, or a "
    "path relative to the page, such as pictures/photo.jpg.");
