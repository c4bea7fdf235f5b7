#pragma once

#include "PuzzleLines.h"

#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

// Uniqueness by linear programming. The puzzle's linear relaxation has a
// variable in [0, 1] per cell and per possible start of each block: each
// block starts exactly once, a block starts only after the one before it has
// ended, and a cell's value is the number of blocks covering it, counted
// along its row and again along its column. Every solution is a point of it.
// If even the relaxation has no point at distance 1/2 or more from a known
// solution, no second solution exists, since two solutions differ in a whole
// cell. This sees counting arguments over the whole grid (how many cells the
// row blocks and the column blocks must share) that line reasoning, probing
// and clause learning cannot: it proves puzzles such as the dom family
// unique in one linear program, where the SAT solver's proof grows steeply.
// The linear program is solved by GLPK; the bound is then recomputed here
// from GLPK's dual values, so a numerical slip cannot claim uniqueness.

// True when the library was built with GLPK.
bool lpUniquenessAvailable();

// True when the relaxation, with the `known` cells (0 unknown, 1 empty, 2
// filled) fixed, proves `solution` the only solution. False when it does not,
// when the program is too large, or when the budget or the program's own time
// limit ran out: nothing is claimed then.
bool lpProvesUnique(const PuzzleLines &lines, const std::vector<uint8_t> &known,
                    const std::vector<uint8_t> &solution, SolveBudget &budget);

} // namespace zd
