#pragma once

#include "CompleteSolver.h"

#include <cstdint>

class CMalovanaKrizovka;

namespace zd {

// What a line-logic solve left behind, read from the model afterwards: the
// solver itself only says solved or not, which does not tell the user why
// not. Line logic only forces cells, so a grid it completes is the unique
// solution.
struct SolveOutcome
{
    // Why a puzzle has no solution.
    enum class NoSolution {
        NoCells, // the puzzle has no rows or no columns
        TotalsDiffer, // row and column clues add up differently: no picture fits
        Contradiction, // every cell decided, yet the grid does not match the clues
    };

    // Unique: solved; None: see `noSolution`; Undecided: line logic got
    // stuck with cells still unknown.
    Verdict verdict = Verdict::None;
    NoSolution noSolution = NoSolution::NoCells;
    int64_t undecidedCells = 0;
    int64_t rowClueTotal = 0;
    int64_t columnClueTotal = 0;
};

// Judges the model's grid after a solve; `solverSucceeded` is the solver's own verdict.
SolveOutcome judgeSolveOutcome(const CMalovanaKrizovka &model, bool solverSucceeded);

} // namespace zd
