#pragma once

#include "Probing.h"
#include "Propagation.h"

#include <cstdint>
#include <vector>

class SolveBudget;

// Search: depth-first over guesses, each guess one cell set to one state,
// followed by propagation and probing. It stops at the second solution, so
// it tells "no solution", "exactly one" and "more than one" apart. Probing
// at every node keeps the tree small (tournament puzzles need a few dozen
// nodes) and picks the branching cell; its price is two propagations per
// undecided cell per node. Guesses are undone through the propagator's
// trail, so a node costs no copy of the grid. The tree can still grow
// exponentially on puzzles with huge numbers of near-solutions; the time
// limit ends those.
class Search
{
public:
    Search(const PuzzleLines &lines, Propagator &propagator, Prober &prober, SolveBudget &budget);

    // Explores below the current grid, which must be a consistent, unsolved
    // probing fixpoint. Returns Stopped when time ran out, else Consistent
    // (the solutions are then all there are, or the first two found). The
    // grid is back at its starting state afterwards.
    Outcome findUpToTwoSolutions();

    const std::vector<std::vector<uint8_t>> &solutions() const { return found; }
    int64_t nodeCount() const { return nodes; }

private:
    struct Guess
    {
        size_t trailMark; // the grid before this guess
        int cell;
        uint8_t states[2];
        int tried;
    };

    // Trees that grow past this many guesses go to the SAT fallback, which
    // starts again from the grid search started from.
    static constexpr int64_t satAfterNodes = 50;

    void pushGuess();
    // Propagates and probes below a fresh guess; records a solution if the
    // grid is complete. Returns Consistent when the node needs a new guess.
    Outcome expandNode();

    const PuzzleLines &lines;
    Propagator &grid;
    Prober &prober;
    SolveBudget &budget;
    std::vector<Guess> guesses;
    std::vector<std::vector<uint8_t>> found;
    int64_t nodes = 0;
};
