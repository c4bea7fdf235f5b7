#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Steve Simpson's ".non" format, black and white only:
//
//     title "Any text"     other keywords (title, by, copyright, catalogue,
//     width 5              license, ...) are ignored
//     height 3
//
//     rows                 one clue line per row, numbers separated by
//     1,1                  commas (blanks are accepted too), 0 for a line
//     5                    without filled cells
//     0
//
//     columns
//     1 ...
//     goal "010..."        optional: the picture, rows joined, 1 filled, 0 empty
//
// A line that starts with a letter is a keyword line; keywords are read
// without regard to case. Blank lines and lines starting with '#' are skipped
// everywhere, so a clue block ends at the next keyword or at the end of the
// file. width, height, rows and columns are required; a goal must have
// width x height cells and agree with every clue.

struct NonPuzzle
{
    PuzzleClues clues;
    std::vector<std::string> goal; // rows of '#' and '.'; empty when the file has none
};

// Parses a whole file's content. On failure `puzzle` is left as it was.
ParseError parseNonPuzzle(std::string_view content, NonPuzzle &puzzle);

// Writes clues (and the goal when there is one) in the format, with commas
// between numbers and a final line feed.
std::string formatNonPuzzle(const PuzzleClues &clues, const std::vector<std::string> &goal = {});

} // namespace zd
