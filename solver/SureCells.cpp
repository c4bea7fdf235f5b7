#include "SureCells.h"

#include "Probing.h"

namespace zd {

PropagationResult findSureCells(const PuzzleLines &lines, SolveBudget &budget,
                                std::vector<uint8_t> &cells)
{
    Propagator grid(lines, budget);
    Prober prober(lines, grid);
    grid.queueAllLines();
    PropagationResult outcome = grid.propagate();
    if (outcome == PropagationResult::Consistent && !grid.isSolved())
        outcome = prober.reachFixpoint();
    cells = grid.grid();
    return outcome;
}

} // namespace zd
