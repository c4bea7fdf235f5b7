#pragma once

#include "ColourPuzzle.h"
#include "ParseError.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// The .non format with colours. Beside the keywords of the black-and-white
// format (NonPuzzleFormat.h):
//
//     color a #ff0000          a colour: its name, RGB, optionally the character
//     color b #0000ff          that stands for it in pictures (default: the name's
//     background white #ffffff first free character); the background is white
//                              unless a background line says otherwise
//     rows
//     3a,1b                    each number followed by its colour's name
//     red: 3, 1, blue: 2       or a name and ':' before the numbers of that colour
//     0                        a line of background only
//     columns
//     ...
//     goal "aaa.b..."          optional: rows joined, '.' or '0' background, else
//                              each colour's character
//
// Colours are declared before the clues that use them. A number without a
// colour has the only colour when there is one. A file
// is read in this dialect when it has a color line.

// True when the content has a "color" keyword line: a colour file.
bool isColourNonContent(std::string_view content);

struct ColourNonPuzzle
{
    ColourPuzzle puzzle;
    std::vector<std::string> goal; // rows of symbols, '.' for the background; may be empty
};

// Parses a whole file's content. On failure `result` is left as it was.
ParseError parseColourNonPuzzle(std::string_view content, ColourNonPuzzle &result);

// Writes the puzzle with numbers followed by colour names. Names that do not
// fit the format (anything but a letter followed by letters, digits, '_' or
// '-') are written as c1, c2, ... instead.
std::string formatColourNonPuzzle(const ColourPuzzle &puzzle,
                                  const std::vector<std::string> &goal = {});

} // namespace zd
