#pragma once

#include "Probing.h"
#include "Propagation.h"
#include "PuzzleLines.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zd {

class SolveBudget;

// SAT fallback: hands the puzzle to CaDiCaL (a conflict-driven SAT solver)
// when search meets a puzzle whose tree of guesses keeps growing. Each line
// becomes O(blocks x length) clauses over "block j starts at or before cell
// p" variables: starts only move right, blocks keep their order and gaps,
// a cell is filled exactly when the last block started at or before it
// still covers it. The cells already known go in as unit clauses. A second
// call, with the first solution forbidden, tells unique from multiple.
// Unit propagation on these clauses is weaker than exact line reasoning, so
// the implications probing finds (cell A forces cell B) go in as binary
// clauses: that halves the time on hard tournament puzzles.
// Clause learning finds the long chains of implications on which probing
// search branches exponentially (the dom family); on ordinary puzzles it is
// slower than probing, so search tries first.

// True when the library was built with CaDiCaL.
bool satFallbackAvailable();

// True when the encoding stays small enough to build in memory (a few
// million variables); huge puzzles stay with search and the time limit.
bool satEncodingFits(const PuzzleLines &lines);

// Completes `solutions` (solutions found before, if any) to up to two that
// agree with the known cells (0 unknown, 1 empty, 2 filled) and differ.
// Returns Stopped when the budget or `conflictLimit` (conflicts per call of
// the SAT solver, which is called at most twice; negative: none) ran out,
// else Consistent:
// fewer than two solutions then means there are no more.
PropagationResult satFindUpToTwoSolutions(const PuzzleLines &lines,
                                          const std::vector<uint8_t> &known, SolveBudget &budget,
                                          std::vector<std::vector<uint8_t>> &solutions,
                                          const std::vector<Implication> &implications = {},
                                          int64_t conflictLimit = -1);

// The encoding above held open for many questions about one puzzle: the SAT
// solver keeps what it learnt between them, so asking whether some solution
// has some cells in given states costs far less than a fresh solve.
class SatPuzzle
{
public:
    SatPuzzle(const PuzzleLines &lines, SolveBudget &budget);
    ~SatPuzzle();
    SatPuzzle(const SatPuzzle &) = delete;
    SatPuzzle &operator=(const SatPuzzle &) = delete;

    // Every later solution has `cell` in `state` (CellEmpty or CellFilled).
    void fix(int cell, uint8_t state);
    // Looks for a solution in which at least one of the cell literals holds
    // (cell + 1: filled, -(cell + 1): empty), besides the fixed cells; the
    // condition is dropped afterwards. Consistent: found, and `solution`
    // holds it; Contradiction: there is none; Stopped: the budget ran out,
    // or the SAT solver is not built in.
    PropagationResult solveWithAny(const std::vector<int> &literals,
                                   std::vector<uint8_t> &solution);

private:
    struct Encoding;
    std::unique_ptr<Encoding> encoding;
};

} // namespace zd
