#include "Authoring.h"
#include "GridVerification.h"
#include "PuzzleLines.h"
#include "SatFallback.h"
#include "SolveBudget.h"
#include "SureCells.h"

namespace zd {

namespace {

// Asks the SAT solver for a solution that differs from `first` in some cell
// not marked yet, and marks every cell where it differs, until there is no
// such solution. `ambiguous` starts with the cells known to differ. Each
// answer marks at least one cell, and the last one, a proof that no open
// cell can differ, settles all the rest at once.
Verdict markDifferingCells(const PuzzleLines &lines, const CellGrid &first, SolveBudget &budget,
                           std::vector<uint8_t> &ambiguous, int64_t &satCalls)
{
    if (budget.exhaustedNow())
        return Verdict::Undecided;
    std::vector<uint8_t> sure;
    const PropagationResult outcome = findSureCells(lines, budget, sure);
    if (outcome != PropagationResult::Consistent)
        return outcome == PropagationResult::Stopped ? Verdict::Undecided : Verdict::None;
    SatPuzzle sat(lines, budget);
    for (int cell = 0; cell < lines.cellCount(); ++cell)
        if (sure[cell] != CellUnknown)
            sat.fix(cell, sure[cell]);
    std::vector<uint8_t> found;
    std::vector<int> flips;
    for (;;) {
        flips.clear();
        for (int cell = 0; cell < lines.cellCount(); ++cell)
            if (!ambiguous[cell] && sure[cell] == CellUnknown)
                flips.push_back(first[cell] == CellFilled ? -(cell + 1) : cell + 1);
        if (flips.empty())
            break;
        if (budget.exhaustedNow())
            return Verdict::Undecided;
        ++satCalls;
        const PropagationResult answer = sat.solveWithAny(flips, found);
        if (answer == PropagationResult::Stopped
            || (answer == PropagationResult::Consistent && !gridMatchesClues(lines, found)))
            return Verdict::Undecided;
        if (answer == PropagationResult::Contradiction)
            break;
        for (int cell = 0; cell < lines.cellCount(); ++cell)
            if (found[cell] != first[cell])
                ambiguous[cell] = 1;
    }
    return Verdict::Multiple;
}

} // namespace

Ambiguity ambiguousCells(const PuzzleClues &clues, const AuthoringOptions &options)
{
    SolveOptions solveOptions;
    solveOptions.timeLimitSeconds = options.timeLimitSeconds;
    solveOptions.cancel = options.cancel;
    SolveBudget budget(solveOptions);
    SolveResult own;
    const SolveResult *solved = options.solved;
    if (solved == nullptr) {
        own = solveCompletely(clues, solveOptions);
        solved = &own;
    }
    Ambiguity ambiguity;
    ambiguity.verdict = solved->verdict;
    if (solved->verdict != Verdict::Multiple)
        return ambiguity;
    PuzzleLines lines;
    if (!lines.readFrom(clues).empty() || solved->solution.size() != solved->other.size()
        || solved->solution.size() != static_cast<size_t>(lines.cellCount())) {
        ambiguity.verdict = Verdict::Undecided;
        return ambiguity;
    }
    std::vector<uint8_t> ambiguous(solved->solution.size());
    for (size_t cell = 0; cell < ambiguous.size(); ++cell)
        ambiguous[cell] = solved->solution[cell] != solved->other[cell];
    ambiguity.verdict
        = markDifferingCells(lines, solved->solution, budget, ambiguous, ambiguity.satCalls);
    if (ambiguity.verdict != Verdict::Multiple)
        return ambiguity;
    for (int cell = 0; cell < lines.cellCount(); ++cell)
        if (ambiguous[cell])
            ambiguity.cells.push_back({ cell / lines.columns(), cell % lines.columns() });
    return ambiguity;
}

} // namespace zd
