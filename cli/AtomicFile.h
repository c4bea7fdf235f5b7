#pragma once

#include <string>
#include <string_view>

namespace zd {

// Writes `content` to a temporary file beside `path` and renames it over
// `path` only when every byte was written, so that a full disk or a missing
// folder leaves neither a half-written file nor a damaged earlier one. On
// failure the temporary file is removed and `error` says
// "PATH: cannot write: <the system's reason>".
bool writeFileAtomically(const std::string &path, std::string_view content, std::string &error);

} // namespace zd
