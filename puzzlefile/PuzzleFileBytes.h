#pragma once

#include <string>

namespace zd {

// Reads the whole of a regular file of at most `maxBytes` bytes into
// `content`. The file is opened without blocking and checked before anything
// is read, so a FIFO, a device such as /dev/zero or a folder is refused
// instead of hanging or growing without end. Returns "" on success, else
// "PATH: what is wrong" with the system's reason; `closeResult`, when given,
// receives close()'s result.
std::string readPuzzleFileBytes(const std::string &path, long long maxBytes, std::string &content,
                                int *closeResult = nullptr);

} // namespace zd
