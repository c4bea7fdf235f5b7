#pragma once

#include <string>
#include <string_view>

namespace zd {

// File names may hold any byte but '/' and NUL: control characters are shown
// as \xHH in plain output and messages, so that a name cannot move the
// cursor, change colours or break a report into extra lines.
std::string printableText(std::string_view text);

} // namespace zd
