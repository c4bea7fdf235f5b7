#include "Authoring.h"
#include "GridVerification.h"
#include "PuzzleLines.h"
#include "SatFallback.h"
#include "SolveBudget.h"
#include "SureCells.h"

namespace zd {

namespace {

uint8_t opposite(CellState state)
{
    return state == CellFilled ? CellEmpty : CellFilled;
}

// Asks the SAT solver, cell after cell, for a solution that differs from
// `first` there. `ambiguous` starts with the cells known to differ.
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
    for (int cell = 0; cell < lines.cellCount(); ++cell) {
        if (ambiguous[cell] || sure[cell] != CellUnknown)
            continue;
        if (budget.exhaustedNow())
            return Verdict::Undecided;
        ++satCalls;
        const PropagationResult answer = sat.solveWith(cell, opposite(first[cell]), found);
        if (answer == PropagationResult::Stopped
            || (answer == PropagationResult::Consistent && !gridMatchesClues(lines, found)))
            return Verdict::Undecided;
        if (answer == PropagationResult::Contradiction) {
            sat.fix(cell, static_cast<uint8_t>(first[cell]));
            continue;
        }
        for (int other = cell; other < lines.cellCount(); ++other)
            if (found[other] != first[other])
                ambiguous[other] = 1;
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
