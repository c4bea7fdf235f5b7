#pragma once

#include "ParseError.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Black-and-white pictures in the portable bitmap format (".pbm"), one
// pixel a cell, black filled:
//
//     P1 W H   then W x H digits, 1 black and 0 white, row after row;
//              blanks between the digits are optional
//     P4 W H   then one blank and the rows packed eight pixels a byte, the
//              first in the highest bit, each row starting a new byte
//
// Numbers are decimal and separated by blanks (space, tab, CR, LF, VT, FF);
// '#' starts a comment that runs to the end of its line. Only the first
// picture of a file is read; what follows it is ignored.

// Pictures larger than this many pixels are refused: a small P4 file could
// otherwise ask for gigabytes of cells and clues.
inline constexpr long long maxPicturePixels = 16LL * 1024 * 1024;

// Parses a whole file's content into rows of '#' (black) and '.' (white).
// Header problems name their line ("line N: ..."), problems in a P4 raster
// the byte ("byte N: ..."). On failure `picture` is left as it was.
ParseError parsePbmPicture(std::string_view content, std::vector<std::string> &picture);

} // namespace zd
