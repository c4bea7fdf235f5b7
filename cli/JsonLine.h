#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Builds one JSON object on one line, keys in the order they are added.
class JsonLine
{
public:
    JsonLine &add(std::string_view key, std::string_view value);
    JsonLine &add(std::string_view key, const char *value)
    {
        return add(key, std::string_view(value));
    }
    JsonLine &add(std::string_view key, int64_t number);
    JsonLine &add(std::string_view key, int number) { return add(key, int64_t(number)); }
    JsonLine &addSeconds(std::string_view key, double seconds);
    JsonLine &add(std::string_view key, const std::vector<std::string> &rows);
    JsonLine &addNull(std::string_view key);
    // Adds the text, or null when it is empty.
    JsonLine &addOrNull(std::string_view key, std::string_view value);
    JsonLine &addOrNull(std::string_view key, const std::vector<std::string> &rows);

    // Members already written as JSON (`"key": value, ...`), as they are.
    JsonLine &addMembers(std::string_view members);

    // The object followed by a line feed.
    std::string finish() const { return text + "}\n"; }

private:
    void addKey(std::string_view key);
    std::string text = "{"; // the object so far, without its closing brace
};

// The text as a JSON string literal, quotes included; bytes that are not
// valid UTF-8 become U+FFFD so the line always parses.
std::string jsonString(std::string_view text);

} // namespace zd
