#pragma once

#include "CompleteSolver.h"
#include "PuzzleClues.h"

#include <array>
#include <atomic>
#include <string>
#include <vector>

namespace zd {

// A deduction trace: the steps a careful person takes to solve a puzzle,
// always the easiest step available first, each with the cells it rests on.

// The kinds of step, easiest first.
enum class Technique {
    Overlap, // cells one block covers in both its leftmost and its rightmost placement
    Spaces, // cells in the same gap in both placements: no block reaches them
    Line, // any other cell every placement of the line agrees on
    Contradiction, // a cell whose one state leads, line by line, to a line without placement
    Both, // cells that both states of one cell lead to
    Search, // what is left, as the complete solver found it
};
inline constexpr int techniqueCount = 6;

struct CellFact
{
    int row = 0;
    int column = 0;
    CellState state = CellUnknown;
    bool operator==(const CellFact &) const = default;
};

// What one row or column decides from some of its own cells.
struct LineStep
{
    Technique technique = Technique::Line;
    bool isRow = true;
    int index = 0; // the row or column, from 0
    std::vector<CellFact> cells; // decided by the step
    std::vector<CellFact> because; // the known cells it rests on; none can be dropped
    // Overlap: the block (from 0) and the first and last cell it can start
    // at. Spaces: `block` is the gap (0 before the first block), `earliest`
    // the first start of the block after it and `latest` the last start of
    // the block before it (-1 without such a block).
    int block = -1;
    int earliest = 0;
    int latest = 0;
};

// One state of a cell tried, and the line steps that follow from it.
struct Assumption
{
    CellFact assumed;
    std::vector<LineStep> chain; // only the steps the outcome needs, in order
};

struct ExplanationStep
{
    Technique technique = Technique::Line;
    std::vector<CellFact> cells; // decided by the step
    LineStep line; // Overlap, Spaces, Line: the step itself
    std::vector<Assumption> cases; // Contradiction: the one tried; Both: filled, then empty
    LineStep conflict; // Contradiction: the line left without placement, and why
};

enum class ExplanationEnd {
    Solved, // every cell decided
    SeveralSolutions, // logic stops and more than one grid completes it
    NoSolution, // no grid meets the clues (and the given cells)
    Stuck, // logic stops; the complete solver could not say how the rest ends
    Stopped, // time limit, cancellation or the step limit
};

struct Explanation
{
    int rows = 0;
    int columns = 0;
    std::vector<ExplanationStep> steps;
    ExplanationEnd end = ExplanationEnd::Stuck;
    Grade grade = Grade::Search; // the hardest technique used
    int undecided = 0; // cells no step decided
    LineStep conflict; // NoSolution found by a line: that line and why
    std::string problem; // NoSolution before any step: why the clues cannot be met
};

struct ExplainOptions
{
    const CellGrid *known = nullptr; // cells decided before the first step; may be null
    // The complete solver's answer for these clues, when the caller has it;
    // otherwise it is asked when logic stops.
    const SolveResult *solved = nullptr;
    double timeLimitSeconds = 0; // 0: no limit
    int maxSteps = 0; // stop after this many steps (1: a hint); 0: no limit
    const std::atomic<bool> *cancel = nullptr;
};

Explanation explainPuzzle(const PuzzleClues &clues, const ExplainOptions &options = {});

// Steps of each technique and the longest chain of a contradiction.
struct Difficulty
{
    std::array<int, techniqueCount> steps {};
    int longestChain = 0;
    void add(const Difficulty &other);
};
Difficulty difficultyOf(const Explanation &explanation);

const char *techniqueName(Technique technique); // "overlap", "spaces", ...

// The steps in plain English, lines and cells numbered from 1.
std::string stepText(const ExplanationStep &step, const PuzzleClues &clues);
std::string lineStepText(const LineStep &step, const PuzzleClues &clues);
// How the explanation ends: "" when solved, else why the steps stop.
std::string endText(const Explanation &explanation);

} // namespace zd
