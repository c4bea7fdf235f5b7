#pragma once

#include "CompleteSolver.h"
#include "PuzzleClues.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace zd {

// Help for puzzle authors: where a puzzle's clues leave cells open, and the
// fewest changes to a picture that give its clues exactly one solution.
// Both can run on a worker thread and stop at `cancel` or the time limit.

struct AuthoringOptions
{
    double timeLimitSeconds = 0; // 0: no limit
    const std::atomic<bool> *cancel = nullptr; // set to true from any thread to stop
    // The complete solver's answer for the same clues, if the caller has it:
    // its two solutions are not looked for again.
    const SolveResult *solved = nullptr;
};

struct GridCell
{
    int row = 0;
    int column = 0;
    friend bool operator==(const GridCell &, const GridCell &) = default;
};

struct Ambiguity
{
    // Unique: `cells` is empty; Multiple: `cells` lists every ambiguous
    // cell; None: no solution; Undecided: stopped before every cell was
    // decided, `cells` is empty.
    Verdict verdict = Verdict::Undecided;
    std::vector<GridCell> cells; // row by row, left to right
    int64_t satCalls = 0; // questions asked of the SAT solver
};

// The cells whose value differs between some two solutions: every cell on
// which the two solutions the complete solver found disagree, then every
// cell where a further solution differs from the first. The SAT solver is
// asked, again and again with what it learnt, for a solution that differs
// from the first in some cell not marked yet (line reasoning and probing
// settle many cells beforehand); when there is none, the cells left are the
// same in every solution.
Ambiguity ambiguousCells(const PuzzleClues &clues, const AuthoringOptions &options = {});

struct CellChange
{
    int row = 0;
    int column = 0;
    CellState state = CellEmpty; // what the cell becomes
    friend bool operator==(const CellChange &, const CellChange &) = default;
};

struct UniquePicture
{
    bool found = false; // `picture` was proved unique by the complete solver
    std::vector<CellChange> changes; // from the given picture, row by row
    std::vector<std::string> picture; // rows of '#' and '.'
    std::string problem; // not found: why ("stopped", "no unique picture within N changes")
    int64_t candidatesTried = 0;
};

// Changes as few cells of the picture ('#' filled, anything else empty) as it
// can find so that the changed picture's clues have exactly one solution. It
// grows the changes one cell at a time: of the cells where two solutions
// differ, it toggles the one after which line reasoning and probing leave
// the fewest cells open, until the complete solver proves the picture unique;
// then it undoes every change the proof does not need. A unique picture gets
// no change. The number of cells tried is bounded, not the time.
UniquePicture makeUnique(const std::vector<std::string> &picture,
                         const AuthoringOptions &options = {});

} // namespace zd
