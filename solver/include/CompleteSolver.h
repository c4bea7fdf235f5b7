#pragma once

#include "PuzzleClues.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

class CMalovanaKrizovka;

namespace zd {

// The complete solver: exact line solving, propagation, probing and search.
// It decides whether a puzzle has no, exactly one or several solutions, and
// how hard it is to reach the solution by reasoning.

// What is known about a puzzle's solutions: the one verdict the solver, the
// command-line tool and the window speak.
enum class Verdict {
    Unique, // exactly one solution; `solution` holds it
    Multiple, // at least two; `solution` and `other` hold two that differ
    None, // no grid satisfies the clues
    Undecided, // stopped first (time limit, cancellation); `known` holds what was decided
};

enum class Grade {
    Line, // line reasoning alone finishes the puzzle
    Probe, // probing finishes it, no guessing
    Search, // it needs search (or has no unique solution)
};

struct SolveProgress
{
    int decidedCells = 0;
    int totalCells = 0;
    int64_t searchNodes = 0;
    // Every unit of work so far (line solves, probes, search nodes, the SAT
    // solver's checks): it moves in every phase, even when no cell is decided.
    int64_t workDone = 0;
};

// What finishes a puzzle that search hands over (ConflictSearch.h, SatFallback.h).
enum class SolverEngine {
    Sat, // CaDiCaL on a clause encoding of the lines
    Cdcl, // zd::ConflictSearch: conflict-driven search with exact line reasoning
};

struct SolveOptions
{
    double timeLimitSeconds = 0; // 0: no limit
    SolverEngine engine = SolverEngine::Sat;
    // Searches racing on this many threads, each configured differently; the
    // first to decide wins. Below 2: the one search, on the calling thread.
    int threads = 1;
    const std::atomic<bool> *cancel = nullptr; // set to true from any thread to stop
    std::function<void(const SolveProgress &)> progress; // called now and then, may be empty
};

struct SolveResult
{
    Verdict verdict = Verdict::Undecided;
    Grade grade = Grade::Search;
    int rows = 0;
    int columns = 0;
    CellGrid solution; // Unique or Multiple
    CellGrid other; // Multiple: a second solution that differs from `solution`
    CellGrid known; // cells decided for sure (all of them when Unique)
    std::string problem; // None before any solving: why the clues cannot be met
    double seconds = 0;
    int64_t searchNodes = 0;
    int64_t probes = 0;
};

// Solves the clues.
SolveResult solveCompletely(const PuzzleClues &clues, const SolveOptions &options = {});
// Solves the clues held by the model (the model's grid is not used or changed).
SolveResult solveCompletely(const CMalovanaKrizovka &model, const SolveOptions &options = {});

const char *verdictName(Verdict verdict); // "unique", "multiple", "none", "timeout"
const char *gradeName(Grade grade); // "line", "probe", "search"

} // namespace zd
