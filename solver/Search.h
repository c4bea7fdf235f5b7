#pragma once

#include "Probing.h"
#include "Propagation.h"

#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

// Search: depth-first over guesses, each guess one cell set to one state,
// followed by propagation and probing. It stops at the second solution, so
// it tells "no solution", "exactly one" and "more than one" apart. Probing
// after a guess covers only the cells on lines the guess changed (the full
// grid when none is left there): that keeps the tree small and picks the
// next branching cell, at two propagations per probed cell. Guesses are
// undone through the propagator's trail, so a node costs no copy of the
// grid. Trees that keep growing (puzzles with long chains of implications,
// or huge numbers of near-solutions) go to the SAT fallback after a fixed
// number of guesses, together with what probing each cell forces there; the
// time limit ends what neither finishes. When search has found one
// solution by then, a linear program may prove it the only one.
class Search
{
public:
    Search(const PuzzleLines &lines, Propagator &propagator, Prober &prober, SolveBudget &budget);

    // Explores below the current grid, which must be a consistent, unsolved
    // probing fixpoint. Returns Stopped when time ran out, else Consistent
    // (the solutions are then all there are, or the first two found). The
    // grid is back at its starting state afterwards.
    PropagationResult findUpToTwoSolutions();

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
    // What probing forces at the start goes to the SAT solver as well, up to
    // this many implications (some tens of megabytes in the SAT solver).
    static constexpr size_t maxImplications = 1'000'000;

    // How many conflicts the SAT solver may first spend to settle a puzzle
    // that search found one solution of, before the linear program is tried
    // (work, not time: the outcome must not depend on how busy the machine is).
    static constexpr int64_t satQuickTryConflicts = 2000;

    // The conflict-driven search's short try before the linear program, in
    // conflicts (work, not time, so the outcome does not depend on load).
    static constexpr int64_t cdclQuickTryConflicts = 2000;

    void pushGuess();
    // Hands the grid search started from to the SAT solver (and the linear
    // program), or with several threads to a portfolio (Portfolio.h); the
    // result is final.
    PropagationResult handOver();
    // One hand-over under `own` budget and engine, from the `known` cells:
    // completes `solutions`. The linear program is tried only `withLp`.
    PropagationResult finish(SolveBudget &own, const std::vector<uint8_t> &known,
                             std::vector<std::vector<uint8_t>> &solutions,
                             const std::vector<Implication> &implications, bool withLp) const;
    PropagationResult finishWithConflictSearch(SolveBudget &own, const std::vector<uint8_t> &known,
                                               std::vector<std::vector<uint8_t>> &solutions,
                                               bool withLp) const;
    // Propagates and probes below a fresh guess; records a solution if the
    // grid is complete. Returns Consistent when the node needs a new guess.
    PropagationResult expandNode(size_t guessMark);

    const PuzzleLines &lines;
    std::vector<uint8_t> focusLines; // lines the current guess changed
    bool satUsable;
    bool lpUsable;
    Propagator &grid;
    Prober &prober;
    SolveBudget &budget;
    std::vector<Guess> guesses;
    std::vector<std::vector<uint8_t>> found;
    int64_t nodes = 0;
};

} // namespace zd
