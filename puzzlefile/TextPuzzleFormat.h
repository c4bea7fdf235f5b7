#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>

namespace zd {

// The text puzzle format (".zd"):
//
//     R C            row count, column count; the rest of the line is ignored
//     <R row lines>  clue numbers of rows 0..R-1, top row first
//     <separator>    any text
//     <C lines>      clue numbers of columns 0..C-1, left column first
//
// A clue line holds decimal numbers separated by blanks (spaces or tabs), or
// the single number 0 for a line without filled cells; an empty or blank line
// also reads as 0. LF and CRLF line ends, leading and trailing blanks, leading
// zeros and extra lines after the last column line are accepted. Everything
// else (signs, letters, a 0 beside other numbers, numbers above 32767, counts
// outside 0..32767, a file that ends before its last column line) is rejected.

// Parses a whole file's content. On failure `clues` is left as it was.
ParseError parseTextPuzzle(std::string_view content, PuzzleClues &clues);

// Writes clues in the text format: single spaces, "0" for an empty line, an
// empty separator line and a final line feed.
std::string formatTextPuzzle(const PuzzleClues &clues);

} // namespace zd
