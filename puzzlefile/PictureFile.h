#pragma once

#include "PuzzleFormats.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Black-and-white pictures read as puzzles: the clues of the picture, which
// is kept as the entry's goal. The formats are PBM (PbmPicture.h) and PNG
// (PngPicture.h), told apart by the content; a path names a picture by the
// extension ".pbm" or ".png" in any case.

bool isPicturePath(std::string_view path);

// Parses a picture file's content; `path` names the entry and the messages
// ("path:LINE: what is wrong", or "path: byte N: ..." in packed pixels).
PuzzleEntry parsePictureContent(std::string_view content, const std::string &path);
// Reads and parses a picture file; one entry, failed when it cannot be read.
PuzzleEntry readPictureFile(const std::string &path);

} // namespace zd
