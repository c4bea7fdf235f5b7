#pragma once

#include "ColourPuzzle.h"

#include <optional>
#include <string>
#include <string_view>

namespace zd {

// Pieces the colour readers and writers share.

// "#rrggbb", "rrggbb", "#rgb" or "rgb" as 0xRRGGBB; nothing when malformed.
std::optional<uint32_t> parseRgb(std::string_view text);
// "rrggbb", lower case, without '#'.
std::string rgbText(uint32_t rgb);

// A symbol for a colour that has none or shares one: `wanted` when it is
// free, else the first free character of `name`, else the first free letter
// or digit. Never '.', '?' or a blank, so that pictures stay readable.
char freeSymbol(const ColourPuzzle &puzzle, char wanted, std::string_view name);

// The palette's index of the colour named `name`, or colourUnknown.
int colourNamed(const ColourPuzzle &puzzle, std::string_view name);

// The first row (or column) with more clues than its line can hold (blocks
// of one colour need a gap, of different colours none; a puzzle of one
// colour keeps to the black-and-white limit), or -1; `message` says why.
int overfullLine(const ColourPuzzle &puzzle, bool rows, std::string &message);

// The goal picture of a colour puzzle checked against its clues: rows of
// symbols ('.' and the background's symbol for the background). Empty when
// it fits, else what is wrong.
std::string colourGoalProblem(const ColourPuzzle &puzzle, const std::vector<std::string> &goal);

} // namespace zd
