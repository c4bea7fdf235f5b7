#pragma once

#include "Propagation.h"
#include "PuzzleLines.h"

#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

// The cells that line reasoning and probing decide from the clues alone, so
// that every solution has them the same way: `cells` gets the grid at that
// fixpoint (0 unknown, 1 empty, 2 filled). Contradiction: no solution.
PropagationResult findSureCells(const PuzzleLines &lines, SolveBudget &budget,
                                std::vector<uint8_t> &cells);

} // namespace zd
