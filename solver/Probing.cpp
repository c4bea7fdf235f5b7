#include "Probing.h"

#include "CellState.h"

namespace zd {

Prober::Prober(const PuzzleLines &puzzleLines, Propagator &propagator)
    : lines(puzzleLines)
    , grid(propagator)
    , filledState(propagator.grid().size(), 0)
    , filledStamp(propagator.grid().size(), 0)
{ }

// Sweeps the cells cyclically and stops once every undecided cell has been
// probed since the last decision: a fixpoint without the full extra round
// that restarting from the first cell after each decision would cost.
PropagationResult Prober::reachFixpoint(const std::vector<uint8_t> *focusLines)
{
    const int cellCount = static_cast<int>(grid.grid().size());
    forgetBranch();
    int cell = 0;
    int quietProbes = 0; // cells visited since the last decision
    while (quietProbes < cellCount && !grid.isSolved()) {
        ++quietProbes;
        const int probed = cell;
        cell = cell + 1 == cellCount ? 0 : cell + 1;
        if (grid.value(probed) != CellUnknown)
            continue;
        if (focusLines && !(*focusLines)[lines.rowOf(probed)]
            && !(*focusLines)[lines.columnLineOf(probed)])
            continue;
        bool decidedSomething = false;
        const PropagationResult outcome = probeCell(probed, decidedSomething);
        if (outcome != PropagationResult::Consistent)
            return outcome;
        if (decidedSomething) {
            quietProbes = 0;
            forgetBranch(); // earlier probes saw a grid that has changed
        }
    }
    if (bestCell < 0 && focusLines && !grid.isSolved())
        return reachFixpoint(nullptr); // nothing undecided near the change
    return PropagationResult::Consistent;
}

void Prober::forgetBranch()
{
    bestCell = -1;
    bestScore = -1;
}

// Tries both states of one cell. The empty branch runs second and stays in
// place when the filled one contradicted, which saves a propagation.
PropagationResult Prober::probeCell(int cell, bool &decidedSomething)
{
    ++probes;
    const size_t trailMark = grid.mark();
    grid.assign(cell, CellFilled);
    const PropagationResult filled = grid.propagate();
    if (filled == PropagationResult::Stopped) {
        grid.undo(trailMark);
        return filled;
    }
    int filledGain = 0;
    if (filled == PropagationResult::Consistent) {
        if (++stamp == 0) {
            std::fill(filledStamp.begin(), filledStamp.end(), 0);
            stamp = 1;
        }
        const int *decided = grid.decidedSince(trailMark);
        filledGain = static_cast<int>(grid.mark() - trailMark);
        for (int i = 0; i < filledGain; ++i) {
            filledStamp[decided[i]] = stamp;
            filledState[decided[i]] = grid.value(decided[i]);
        }
    }
    grid.undo(trailMark);
    grid.assign(cell, CellEmpty);
    const PropagationResult empty = grid.propagate();
    if (empty == PropagationResult::Stopped) {
        grid.undo(trailMark);
        return empty;
    }
    if (empty == PropagationResult::Contradiction) {
        grid.undo(trailMark);
        if (filled == PropagationResult::Contradiction)
            return PropagationResult::Contradiction;
        decidedSomething = true;
        grid.assign(cell, CellFilled);
        return grid.propagate();
    }
    if (filled == PropagationResult::Contradiction) {
        decidedSomething = true;
        return PropagationResult::Consistent;
    }
    rememberBranch(cell, filledGain, static_cast<int>(grid.mark() - trailMark));
    return keepAgreement(cell, trailMark, decidedSomething);
}

// Both branches are open: decides the cells they agree on.
PropagationResult Prober::keepAgreement(int cell, size_t trailMark, bool &decidedSomething)
{
    agreed.clear();
    const int *decided = grid.decidedSince(trailMark);
    const int emptyGain = static_cast<int>(grid.mark() - trailMark);
    for (int i = 0; i < emptyGain; ++i) {
        const int other = decided[i];
        if (other != cell && filledStamp[other] == stamp && filledState[other] == grid.value(other))
            agreed.push_back(other);
    }
    if (agreed.empty()) {
        grid.undo(trailMark);
        return PropagationResult::Consistent;
    }
    for (int other : agreed)
        filledState[other] = grid.value(other);
    grid.undo(trailMark);
    decidedSomething = true;
    for (int other : agreed)
        grid.assign(other, filledState[other]);
    return grid.propagate();
}

// The best branch decides many cells on both sides; the product favours
// balanced cells, which shrink both subtrees.
void Prober::rememberBranch(int cell, int filledGain, int emptyGain)
{
    const int64_t score = static_cast<int64_t>(filledGain + 1) * (emptyGain + 1);
    if (score > bestScore) {
        bestScore = score;
        bestCell = cell;
        bestFirstState = filledGain >= emptyGain ? CellFilled : CellEmpty;
    }
}

PropagationResult Prober::listImplications(std::vector<Implication> &implications, size_t limit)
{
    const int cellCount = static_cast<int>(grid.grid().size());
    for (int cell = 0; cell < cellCount && implications.size() < limit; ++cell) {
        if (grid.value(cell) != CellUnknown)
            continue;
        for (const uint8_t state : { CellFilled, CellEmpty }) {
            const int premise = state == CellFilled ? cell + 1 : -(cell + 1);
            const size_t trailMark = grid.mark();
            grid.assign(cell, state);
            const PropagationResult outcome = grid.propagate();
            if (outcome == PropagationResult::Stopped) {
                grid.undo(trailMark);
                return outcome;
            }
            if (outcome == PropagationResult::Contradiction)
                implications.push_back({ premise, -premise });
            const int *decided = grid.decidedSince(trailMark);
            const size_t forced
                = outcome == PropagationResult::Consistent ? grid.mark() - trailMark : 1;
            for (size_t i = 1; i < forced && implications.size() < limit; ++i) {
                const int other = decided[i];
                implications.push_back(
                    { premise, grid.value(other) == CellFilled ? other + 1 : -(other + 1) });
            }
            grid.undo(trailMark);
        }
    }
    return PropagationResult::Consistent;
}

} // namespace zd
