#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zd {

// A file a conversion would write that is one of the files it reads.
struct InputOverwrite
{
    std::string destination;
    std::string input;
};

// The first destination that is the same file as one of the inputs, also when
// reached through another name (a link, "./", "dir/../"); nullopt when none is.
// Compares device and inode, so the cost is one stat per path.
std::optional<InputOverwrite> findInputOverwrite(const std::vector<std::string> &destinations,
                                                 const std::vector<std::string> &inputs);

} // namespace zd
