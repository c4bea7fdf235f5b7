#pragma once

#include "CompleteSolver.h"
#include "PuzzleFormats.h"
#include "PuzzleOutcome.h"

#include <atomic>

namespace zd {

// Largest puzzle zdsolve will solve, in cells: beyond this a small file could
// ask for gigabytes of grid.
inline constexpr int64_t maxSolvedCells = 16LL * 1024 * 1024;

// The outcome of an entry that is not solved: read errors and puzzles too
// large to solve. Returns false (leaving `outcome` alone) for a puzzle to solve.
bool outcomeWithoutSolving(const PuzzleEntry &entry, PuzzleOutcome &outcome);

// Runs the complete solver. Every solution it reports is checked against the
// clues here once more; a grid that breaks them becomes verdict error.
// `cancel` (may be null) stops it from another thread or a signal handler.
PuzzleOutcome solveWithCompleteSolver(const PuzzleEntry &entry, double timeoutSeconds,
                                      const std::atomic<bool> *cancel = nullptr,
                                      SolverEngine engine = SolverEngine::Sat, int threads = 1);

// Runs the colour solver on an entry whose puzzle has several colours, with
// the same checks and figures.
PuzzleOutcome solveColourEntry(const PuzzleEntry &entry, double timeoutSeconds,
                               const std::atomic<bool> *cancel = nullptr, int threads = 1);

// Runs the model's line-by-line solver. The "1"/"0" lines it prints on
// standard output are caught and kept in passLines, so that they reach the
// report in order. Standard output is redirected meanwhile: call it from the
// one thread that writes output, never beside another solve.
PuzzleOutcome solveWithLineLogic(const PuzzleEntry &entry);

} // namespace zd
