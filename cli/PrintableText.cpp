#include "PrintableText.h"

#include <cstdio>

namespace zd {

std::string printableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        shown += escaped;
    }
    return shown;
}

} // namespace zd
