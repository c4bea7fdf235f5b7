#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>

namespace zd {

// The ".nin" format:
//
//     W H            width (column count), then height (row count)
//     <H row lines>  clue numbers of rows 0..H-1, separated by blanks
//     <W lines>      clue numbers of columns 0..W-1
//
// There is no separator: an empty or blank clue line, like 0, is a line
// without filled cells. Blank lines after the last column line are accepted;
// any other text there is rejected, since it usually means the counts and the
// lines disagree. LF and CRLF line ends are accepted.

// Parses a whole file's content. On failure `clues` is left as it was.
ParseError parseNinPuzzle(std::string_view content, PuzzleClues &clues);

} // namespace zd
