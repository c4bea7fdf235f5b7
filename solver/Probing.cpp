#include "Probing.h"

#include "CMalovanaKrizovka.h"

Prober::Prober(const PuzzleLines &puzzleLines, Propagator &propagator)
    : lines(puzzleLines)
    , grid(propagator)
    , filledState(propagator.grid().size(), 0)
    , filledStamp(propagator.grid().size(), 0)
{ }

Outcome Prober::reachFixpoint(const std::vector<uint8_t> *focusLines)
{
    const int cellCount = static_cast<int>(grid.grid().size());
    bool decidedSomething = true;
    while (decidedSomething) {
        decidedSomething = false;
        bestCell = -1;
        bestScore = -1;
        for (int cell = 0; cell < cellCount; ++cell) {
            if (grid.value(cell) != CellUnknown)
                continue;
            if (focusLines && !(*focusLines)[lines.rowOf(cell)]
                && !(*focusLines)[lines.columnLineOf(cell)])
                continue;
            const Outcome outcome = probeCell(cell, decidedSomething);
            if (outcome != Outcome::Consistent)
                return outcome;
        }
        if (grid.isSolved())
            break;
    }
    if (bestCell < 0 && focusLines && !grid.isSolved())
        return reachFixpoint(nullptr); // nothing undecided near the change
    return Outcome::Consistent;
}

// Tries both states of one cell. The empty branch runs second and stays in
// place when the filled one contradicted, which saves a propagation.
Outcome Prober::probeCell(int cell, bool &decidedSomething)
{
    ++probes;
    const size_t trailMark = grid.mark();
    grid.assign(cell, CellFilled);
    const Outcome filled = grid.propagate();
    if (filled == Outcome::Stopped) {
        grid.undo(trailMark);
        return filled;
    }
    int filledGain = 0;
    if (filled == Outcome::Consistent) {
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
    const Outcome empty = grid.propagate();
    if (empty == Outcome::Stopped) {
        grid.undo(trailMark);
        return empty;
    }
    if (empty == Outcome::Contradiction) {
        grid.undo(trailMark);
        if (filled == Outcome::Contradiction)
            return Outcome::Contradiction;
        decidedSomething = true;
        grid.assign(cell, CellFilled);
        return grid.propagate();
    }
    if (filled == Outcome::Contradiction) {
        decidedSomething = true;
        return Outcome::Consistent;
    }
    rememberBranch(cell, filledGain, static_cast<int>(grid.mark() - trailMark));
    return keepAgreement(cell, trailMark, decidedSomething);
}

// Both branches are open: decides the cells they agree on.
Outcome Prober::keepAgreement(int cell, size_t trailMark, bool &decidedSomething)
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
        return Outcome::Consistent;
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
