#pragma once

#include "PuzzleLines.h"

#include <cstdint>
#include <vector>

namespace zd {

// Verification: the runs of filled cells of every line of a complete grid
// equal that line's clues. Linear in the grid size. The solver runs it on
// every grid it reports, as an independent check of all the reasoning
// before it; it says nothing about whether another solution exists.
bool gridMatchesClues(const PuzzleLines &lines, const std::vector<uint8_t> &cells);

} // namespace zd
