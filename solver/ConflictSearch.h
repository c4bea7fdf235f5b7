#pragma once

#include "LineCellBits.h"
#include "LineReasons.h"
#include "LineSolver.h"
#include "Propagation.h"
#include "PuzzleLines.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace zd {

class SolveBudget;

// Conflict-driven search over the cells (`--engine cdcl`): the variables are
// the cells, the propagator is the exact line solver, and every cell a line
// forces gets a reason, a few of that line's known cells from which it
// follows (LineReasons, computed only when a conflict needs it; the earliest
// cells are preferred). Conflicts are analysed to first-UIP clauses,
// minimised recursively through the reasons, with non-chronological
// backjumping; learned clauses are watched (two literals each, with a
// blocking literal) and reduced by glue; branching follows cell activity,
// with the saved phases in a focused mode and towards the target phases
// (those of the longest conflict-free trail since the last restart) in a
// stable mode, the two alternating in growing spans; restarts follow the
// Luby sequence. For uniqueness the first solution is blocked by a clause over
// its decisions and the search goes on with everything learned.
//
// Cost: a line solve per changed line as in propagation, plus, per
// conflict, a reason for each line-forced cell the analysis and the
// minimisation meet (a few dozen feasibility checks of one line each); that
// and the clause propagation take about a third of the time each. It sees
// lines, not counts: puzzles whose uniqueness rests on counting over the
// whole grid (the N-Dom family) take it as long as the SAT solver.
//
// Literals: 2 x cell + 1 for "filled", 2 x cell for "empty".
class ConflictSearch
{
public:
    ConflictSearch(const PuzzleLines &lines, SolveBudget &budget);

    // Completes `solutions` (solutions found before, if any, which are
    // forbidden first) to up to two that agree with the known cells and
    // differ. Returns Stopped when the budget or `conflictLimit` (negative:
    // none) ran out, else Consistent: fewer than two solutions then means
    // there are no more.
    PropagationResult findUpToTwoSolutions(const std::vector<uint8_t> &known,
                                           std::vector<std::vector<uint8_t>> &solutions,
                                           int64_t conflictLimit = -1);

    // Sees every learned clause (for tests: none may exclude a solution).
    std::function<void(const std::vector<int> &)> onLearned;

private:
    struct Clause
    {
        std::vector<int> literals;
        int glue = 0;
        float activity = 0;
        bool learned = false;
    };
    // A clause watched by one of its literals, with another of its literals
    // (the blocker) to look at first.
    struct Watch
    {
        int clause;
        int blocker;
    };
    static constexpr int noReason = -1;
    // Reasons: noReason (decision or given), clause index >= 0, or
    // lineReason(line) for a cell a line forced.
    static int lineReason(int line) { return -2 - line; }

    int value(int literal) const; // 1 true, 0 false, -1 unassigned
    int levelNow() const { return static_cast<int>(levelStart.size()); }
    void assign(int literal, int reason);
    void backtrack(int level);
    bool propagate(std::vector<int> &conflict);
    bool propagateClauses(std::vector<int> &conflict);
    bool solveLine(int line, std::vector<int> &conflict);
    void queueLine(int line);
    // The false literals that force `cell` (from its reason), into `out`.
    const std::vector<int> &reasonOf(int cell);
    void explainLine(int line, int forcedCell, size_t trailLimit, std::vector<int> &out);
    void explainShortLine(int line, int forcedCell, size_t trailLimit);
    void explainLongLine(int line, int forcedCell, size_t trailLimit);
    void sortCandidatesLatestFirst(int line);
    void failExplanation();
    void analyse(std::vector<int> &conflict, std::vector<int> &learned, int &backLevel);
    void minimise(std::vector<int> &learned);
    bool followsFromClause(int cell);
    void markFailed(int cell);
    bool failMinimise();
    int addClause(std::vector<int> literals, bool learned);
    void attach(int clause);
    void reduceLearned();
    void bumpCell(int cell);
    void keepTargetPhases();
    void switchModeWhenDue();
    int pickBranch();
    void heapInsert(int cell);
    void heapUp(int position);
    void heapDown(int position);
    int heapPop();
    bool blockSolution(const std::vector<uint8_t> *solution);
    int glueOf(const std::vector<int> &literals);

    const PuzzleLines &lines;
    SolveBudget &budget;
    LineSolver lineSolver;
    LineReasons reasons;
    int cellCount;
    std::vector<uint8_t> cells;
    std::vector<int> level;
    std::vector<int> reason;
    std::vector<int> trailIndex;
    std::vector<int> trail; // literals
    std::vector<size_t> levelStart;
    size_t clauseHead = 0; // next trail literal whose watches to visit
    std::vector<Clause> clauses;
    std::vector<std::vector<Watch>> watches; // by literal that turned false
    LineCellBits lineCells; // the cells of `cells`, line by line, for the line solver
    std::vector<uint64_t> decidedFilled;
    std::vector<uint64_t> decidedEmpty;
    std::vector<int> lineQueue;
    std::vector<uint8_t> lineQueued;
    // Cached line reasons of the cells assigned now (valid while reasonOk).
    std::vector<std::vector<int>> cachedReason;
    std::vector<uint8_t> reasonOk;
    std::vector<int> scratchReason;
    std::vector<uint8_t> lineStates;
    std::vector<int> candidates;
    std::vector<uint64_t> sortKeys;
    std::vector<int> keptPositions;
    std::vector<uint8_t> seen;
    std::vector<std::pair<int, int>> minimiseStack; // cell, next reason literal
    std::vector<int> minimiseTouched;
    std::vector<double> activity;
    double activityStep = 1;
    std::vector<int> heap;
    std::vector<int> heapPosition;
    std::vector<uint8_t> savedPhase;
    std::vector<uint8_t> targetPhase;
    size_t targetTrail = 0; // trail length the target phases come from
    bool stableMode = true; // branching towards the target phases
    int64_t modeLength = 0; // conflicts the current mode lasts
    int64_t modeEnd = 0; // conflict count at which it switches
    std::vector<int> levelStamp;
    int stamp = 0;
    int64_t conflictCount = 0;
    size_t learnedLimit = 2000;
    int learnedCount = 0;
    bool stopped = false;
    bool explanationFailed = false;
    size_t lineHead = 0;
};

} // namespace zd
