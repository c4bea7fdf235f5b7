#include "JsonLine.h"

#include <cmath>
#include <cstdio>

namespace zd {

namespace {

// Length of the valid UTF-8 sequence at text[pos], 0 when it is not one.
size_t utf8Length(std::string_view text, size_t pos)
{
    const auto byte = [&](size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(pos);
    size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    // Overlong three- and four-byte forms and UTF-16 surrogates are not valid.
    if ((lead == 0xE0 && byte(pos + 1) < 0xA0) || (lead == 0xED && byte(pos + 1) >= 0xA0)
        || (lead == 0xF0 && byte(pos + 1) < 0x90) || (lead == 0xF4 && byte(pos + 1) >= 0x90))
        return 0;
    return length;
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c >= 0x80) {
            const size_t length = utf8Length(text, pos);
            out += length ? std::string(text.substr(pos, length)) : "\xEF\xBF\xBD";
            pos += length ? length : 1;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
        ++pos;
    }
    return out + "\"";
}

void JsonLine::addKey(std::string_view key)
{
    if (text.size() > 1)
        text += ", ";
    text += jsonString(key) + ": ";
}

JsonLine &JsonLine::add(std::string_view key, std::string_view value)
{
    addKey(key);
    text += jsonString(value);
    return *this;
}

JsonLine &JsonLine::add(std::string_view key, int64_t number)
{
    addKey(key);
    text += std::to_string(number);
    return *this;
}

JsonLine &JsonLine::addSeconds(std::string_view key, double seconds)
{
    addKey(key);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", std::isfinite(seconds) ? seconds : 0.0);
    text += buffer;
    return *this;
}

JsonLine &JsonLine::add(std::string_view key, const std::vector<std::string> &rows)
{
    addKey(key);
    text += '[';
    for (size_t i = 0; i < rows.size(); ++i)
        text += (i > 0 ? ", " : "") + jsonString(rows[i]);
    text += ']';
    return *this;
}

JsonLine &JsonLine::addMembers(std::string_view members)
{
    if (text.size() > 1)
        text += ", ";
    text += members;
    return *this;
}

JsonLine &JsonLine::addNull(std::string_view key)
{
    addKey(key);
    text += "null";
    return *this;
}

JsonLine &JsonLine::addOrNull(std::string_view key, std::string_view value)
{
    return value.empty() ? addNull(key) : add(key, value);
}

JsonLine &JsonLine::addOrNull(std::string_view key, const std::vector<std::string> &rows)
{
    return rows.empty() ? addNull(key) : add(key, rows);
}

} // namespace zd
