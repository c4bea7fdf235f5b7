#pragma once

#include "ColourPuzzle.h"
#include "ParseError.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// The webpbn XML format, black and white and colour:
//
//     <puzzleset>
//       <puzzle defaultcolor="black" backgroundcolor="white">
//         <color name="white" char=".">fff</color>
//         <color name="black" char="X">000</color>
//         <clues type="columns"> <line><count>2</count></line> ... </clues>
//         <clues type="rows"> <line><count color="black">1</count></line> <line/> ... </clues>
//         <solution type="goal"><image> |X.| |XX| ... </image></solution>
//       </puzzle>
//     </puzzleset>
//
// A <count> without a colour has the puzzle's default colour; an empty
// <line/> is a line of background only. The size is the number of lines.
// "white" (char '.') and "black" (char 'X') need no <color> when used; any
// other colour must be declared. A goal image (one row per line, optionally
// between '|') is checked against the clues. Other elements are ignored.

struct XmlPuzzle
{
    ColourPuzzle puzzle; // palette: the background first, then the declared colours
    std::vector<std::string> goal; // rows of symbols, '.' for the background; may be empty
    ParseError error;
};

// Every <puzzle> of the file in order; a broken file gives one failed entry,
// a broken puzzle its own.
std::vector<XmlPuzzle> parseXmlPuzzles(std::string_view content);

// One puzzle as a <puzzleset> with one <puzzle>, its colours, clues and goal.
std::string formatXmlPuzzle(const ColourPuzzle &puzzle, const std::vector<std::string> &goal);

} // namespace zd
