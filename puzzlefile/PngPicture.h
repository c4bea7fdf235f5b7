#pragma once

#include "ParseError.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Pictures in the PNG format, read through libpng when the build has it:
// any bit depth and colour type, turned grey; a pixel is black (filled)
// when it is darker than half grey and at least half opaque.

// True when the build reads PNG at all.
bool pngPicturesAvailable();

// Parses a whole file's content into rows of '#' (black) and '.' (white),
// refusing pictures of more than maxPicturePixels (PbmPicture.h) pixels
// before they are decoded. On failure `picture` is left as it was.
ParseError parsePngPicture(std::string_view content, std::vector<std::string> &picture);

} // namespace zd
