#include "ColourSearch.h"

#include "SolveBudget.h"

#include <bit>

namespace zd {

namespace {

// The undecided cell with the fewest colours left, or -1.
int branchCell(const ColourCells &cells)
{
    int best = -1;
    int bestCount = 33;
    for (size_t i = 0; i < cells.size(); ++i) {
        const int count = std::popcount(cells[i]);
        if (count > 1 && count < bestCount) {
            best = static_cast<int>(i);
            bestCount = count;
            if (count == 2)
                break;
        }
    }
    return best;
}

struct Frame
{
    ColourCells cells;
    int cell = 0;
    ColourMask untried = 0;
};

} // namespace

ColourSearch::ColourSearch(ColourPropagator &colourPropagator, SolveBudget &solveBudget,
                           int64_t nodeLimit)
    : propagator(colourPropagator)
    , budget(solveBudget)
    , limit(nodeLimit)
{ }

ColourStep ColourSearch::findUpToTwo(const ColourCells &start, std::vector<ColourCells> &solutions)
{
    // An explicit stack: a guess deep in a large grid must not overflow the
    // thread's stack.
    std::vector<Frame> stack;
    const int first = branchCell(start);
    if (first < 0) {
        solutions.push_back(start);
        return ColourStep::Consistent;
    }
    stack.push_back({ start, first, start[first] });
    while (!stack.empty() && solutions.size() < 2) {
        Frame &top = stack.back();
        if (top.untried == 0) {
            stack.pop_back();
            continue;
        }
        const ColourMask colour = top.untried & (~top.untried + 1);
        top.untried &= ~colour;
        ColourCells trial = top.cells;
        trial[top.cell] = colour;
        const int cell = top.cell;
        if (limit >= 0 && nodes >= limit) {
            limitReached = true;
            return ColourStep::Stopped;
        }
        ++nodes;
        ++budget.progress.searchNodes;
        const ColourStep step = propagator.propagateCell(trial, cell);
        if (step == ColourStep::Stopped)
            return step;
        if (step == ColourStep::Contradiction)
            continue;
        const int next = branchCell(trial);
        if (next < 0) {
            solutions.push_back(std::move(trial));
            continue;
        }
        const ColourMask untried = trial[next];
        stack.push_back({ std::move(trial), next, untried });
    }
    return ColourStep::Consistent;
}

} // namespace zd
