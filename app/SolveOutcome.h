#pragma once

#include <cstdint>

class CMalovanaKrizovka;

// What a solver run left behind, read from the model afterwards: the solver
// itself only says solved or not, which does not tell the user why not.
struct SolveOutcome
{
    enum class Verdict {
        Solved, // every cell decided and the solver accepted the grid
        Undecided, // the solver got stuck with some cells still unknown
        TotalsDiffer, // row and column clues add up differently: no picture fits
        NoCells, // the puzzle has no rows or no columns
        Contradiction, // every cell decided, yet the grid does not match the clues
    };

    Verdict verdict = Verdict::NoCells;
    int64_t undecidedCells = 0;
    int64_t rowClueTotal = 0;
    int64_t columnClueTotal = 0;
};

// Judges the model's grid after a solve; `solverSucceeded` is the solver's own verdict.
SolveOutcome judgeSolveOutcome(const CMalovanaKrizovka &model, bool solverSucceeded);
