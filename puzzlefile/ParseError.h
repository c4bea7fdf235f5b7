#pragma once

#include <string>

namespace zd {

// The outcome of a parse: empty message on success, else "line N: what is wrong".
struct ParseError
{
    int line = 0; // 1-based line (text) or byte offset (binary) where the problem was seen
    std::string message;
    bool failed() const { return !message.empty(); }
};

} // namespace zd
