#pragma once

#include "ColourPropagation.h"

#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

// Depth-first search over cell colours with propagation after every guess,
// for up to two solutions. It gives up after `nodeLimit` guesses (negative:
// no limit) so that a puzzle whose tree keeps growing can go to the SAT
// solver; hitNodeLimit() then tells that from running out of time.
class ColourSearch
{
public:
    ColourSearch(ColourPropagator &propagator, SolveBudget &budget, int64_t nodeLimit);
    // Adds to `solutions` until there are two or no more; Stopped when the
    // budget or the node limit ran out first.
    ColourStep findUpToTwo(const ColourCells &start, std::vector<ColourCells> &solutions);
    int64_t nodeCount() const { return nodes; }
    bool hitNodeLimit() const { return limitReached; }

private:
    ColourPropagator &propagator;
    SolveBudget &budget;
    int64_t limit;
    int64_t nodes = 0;
    bool limitReached = false;
};

// The SAT hand-over (ColourSat.cpp, or ColourSatUnavailable.cpp without
// CaDiCaL). Each cell is one variable per colour it may still take, exactly
// one of them true. Each line is encoded as the black-and-white fallback
// does, over "block j starts at or before cell p" variables within the
// starts the line solver leaves: starts only move right, blocks keep their
// order and the gap their colours need, and a cell shows the colour of the
// last block started at or before it while that block covers it, else the
// background. A solution is forbidden by one clause over the cells'
// colours, so a second call tells unique from multiple.
bool colourSatAvailable();
// Adds to `solutions` (which must agree with `cells`) until there are two
// or no more; Stopped when the budget ran out. `seed` varies the SAT
// solver's choices for racing copies (0: its defaults).
ColourStep colourSatSolutions(const ColourLines &lines, const ColourCells &cells,
                              SolveBudget &budget, std::vector<ColourCells> &solutions,
                              uint32_t seed);

} // namespace zd
