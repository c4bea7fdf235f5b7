#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zd {

// Writes files so that a failure (a full disk, a missing folder, no
// permission, a writer that gives up half-way) leaves neither a half-written
// file nor a damaged earlier one: everything goes to a hidden temporary file
// beside the target, which takes the target's name only once it is complete.
// The program and the command-line tool write every file through here.

// Writes `content` to `path`. On failure `error` says
// "PATH: cannot write: <the system's reason>".
bool writeFileAtomically(const std::string &path, std::string_view content, std::string &error);

// Has `write` fill the temporary file named by its first argument (it may
// open it by name, or truncate and rewrite it), then renames it to `path`
// when `write` returned true. A writer that gives up says why in its second
// argument, which then becomes `error` as it is.
bool writeFileAtomically(const std::string &path,
                         const std::function<bool(const std::string &, std::string &)> &write,
                         std::string &error);

} // namespace zd
