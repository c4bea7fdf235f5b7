#pragma once

#include "ColourPuzzle.h"
#include "CompleteSolver.h"

#include <cstdint>
#include <string>

namespace zd {

// The complete solver for puzzles of several colours: exact line solving on
// colour sets, propagation, probing, search, and a hand-over to the SAT
// solver (when built with it) for puzzles whose search keeps growing. It
// speaks the same verdicts, grades and options as solveCompletely; the
// engine option does not apply (search then SAT is the one way).

struct ColourSolveResult
{
    Verdict verdict = Verdict::Undecided;
    Grade grade = Grade::Search;
    int rows = 0;
    int columns = 0;
    ColourGrid solution; // Unique or Multiple: a colour index per cell
    ColourGrid other; // Multiple: a second solution that differs from `solution`
    ColourGrid known; // colours decided for sure, colourUnknown elsewhere (all when Unique)
    std::string problem; // None before any solving: why the clues cannot be met
    double seconds = 0;
    int64_t searchNodes = 0;
    int64_t probes = 0;
};

ColourSolveResult solveColourCompletely(const ColourPuzzle &puzzle,
                                        const SolveOptions &options = {});

} // namespace zd
