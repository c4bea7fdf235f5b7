#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CMalovanaKrizovka;

// The complete solver: exact line solving, propagation, probing and search.
// It decides whether a puzzle has no, exactly one or several solutions, and
// how hard it is to reach the solution by reasoning.

enum class Verdict {
    Unique, // exactly one solution; `solution` holds it
    Multiple, // at least two; `solution` and `other` hold two that differ
    None, // no grid satisfies the clues
    Timeout, // time limit or cancellation; `known` holds what was decided
};

enum class Grade {
    Line, // line reasoning alone finishes the puzzle
    Probe, // probing finishes it, no guessing
    Search, // it needs search (or has no unique solution)
};

// Cell states as in the model: 0 unknown, 1 empty, 2 filled; row-major.
using SolverGrid = std::vector<int32_t>;

struct SolveProgress
{
    int decidedCells = 0;
    int totalCells = 0;
    int64_t searchNodes = 0;
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
    const std::atomic<bool> *cancel = nullptr; // set to true from any thread to stop
    std::function<void(const SolveProgress &)> progress; // called now and then, may be empty
};

struct SolveResult
{
    Verdict verdict = Verdict::Timeout;
    Grade grade = Grade::Search;
    int rows = 0;
    int columns = 0;
    SolverGrid solution; // Unique or Multiple
    SolverGrid other; // Multiple: a second solution that differs from `solution`
    SolverGrid known; // cells decided for sure (all of them when Unique)
    std::string problem; // None before any solving: why the clues cannot be met
    double seconds = 0;
    int64_t searchNodes = 0;
    int64_t probes = 0;
};

// Solves the clues held by the model (the model's grid is not used or changed).
SolveResult solveCompletely(const CMalovanaKrizovka &model, const SolveOptions &options = {});

// True when `grid` (rows x columns states, row-major) is complete and its
// runs of filled cells equal every clue of the model.
bool solutionMatchesClues(const CMalovanaKrizovka &model, const SolverGrid &grid);

const char *verdictName(Verdict verdict); // "unique", "multiple", "none", "timeout"
const char *gradeName(Grade grade); // "line", "probe", "search"
