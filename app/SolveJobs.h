#pragma once

#include "ColourSolver.h"
#include "CompleteSolver.h"

#include <optional>

class CMalovanaKrizovka;

namespace zd {

struct SolveControl;

// The two solves as work for a JobRunner: both report their progress into
// `control` and stop soon after `control.cancel` is set.

// The model's own line solver (pass lines on standard output included).
// Returns its result (0 solved, 1 rejected, 2 stuck), or nothing when it was
// stopped; the model then holds the cells decided so far.
std::optional<int> solveLinesStoppably(CMalovanaKrizovka &model, SolveControl &control);

// The complete solver; a stopped solve answers Verdict::Undecided.
SolveResult solveCompletelyStoppably(const PuzzleClues &clues, SolveControl &control);
// The same for a puzzle of several colours.
ColourSolveResult solveColoursStoppably(const ColourPuzzle &puzzle, SolveControl &control);

// A colour result as black and white, every colour filled: what the outcome
// texts and the grids of cells the window keeps beside the colours need.
SolveResult blackAndWhiteOf(const ColourSolveResult &result);

} // namespace zd
