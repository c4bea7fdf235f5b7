#pragma once

#include "Propagation.h"

#include <cstdint>
#include <vector>

namespace zd {

// "If `premise` then `consequence`", each a cell literal: cell + 1 for
// filled, -(cell + 1) for empty. A premise whose probe contradicts implies
// its own negation.
struct Implication
{
    int premise;
    int consequence;
};

// Probing: for each undecided cell, propagate the grid once with the cell
// filled and once with it empty. When one branch contradicts, the cell takes
// the other state; when both do, the grid itself contradicts; every cell both
// branches decide the same way is decided. The sweep goes round the grid
// until every undecided cell has been probed since the last decision. A
// sweep costs two propagations per undecided cell, far more than line
// reasoning, but it finishes most puzzles that people solve by hand plus a
// little look-ahead. It cannot see facts that need two guesses at once;
// search takes over there, branching on the cell whose two probes decided
// the most (among the probes since the last decision).
class Prober
{
public:
    Prober(const PuzzleLines &lines, Propagator &propagator);

    // Probes until a full sweep decides nothing. Consistent leaves the grid
    // at that fixpoint; Contradiction and Stopped leave the grid with the sure
    // decisions made so far (the caller undoes them if they were guesses).
    // With `focusLines` (a flag per line) only cells on flagged lines are
    // probed: a cheaper fixpoint after a guess, whose effects are mostly
    // near the lines it changed.
    PropagationResult reachFixpoint(const std::vector<uint8_t> *focusLines = nullptr);

    // After a Consistent reachFixpoint on an unsolved grid: the cell to branch
    // on and the state to try first.
    int branchCell() const { return bestCell; }
    uint8_t branchFirstState() const { return bestFirstState; }
    int64_t probeCount() const { return probes; }

    // Probes every undecided cell both ways without deciding anything and
    // lists what each probe forced, for a solver whose own reasoning is weaker
    // than line reasoning; stops listing at `limit` entries. The grid is
    // unchanged afterwards.
    PropagationResult listImplications(std::vector<Implication> &implications, size_t limit);

private:
    PropagationResult probeCell(int cell, bool &decidedSomething);
    PropagationResult keepAgreement(int cell, size_t trailMark, bool &decidedSomething);
    void rememberBranch(int cell, int filledGain, int emptyGain);
    void forgetBranch();

    const PuzzleLines &lines;
    Propagator &grid;
    // The filled branch's decisions, read while the empty branch is open:
    // filledState[c] is valid when filledStamp[c] == stamp.
    std::vector<uint8_t> filledState;
    std::vector<uint32_t> filledStamp;
    uint32_t stamp = 0;
    std::vector<int> agreed;
    int64_t probes = 0;
    int bestCell = -1;
    uint8_t bestFirstState = 0;
    int64_t bestScore = -1;
};

} // namespace zd
