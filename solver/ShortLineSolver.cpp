#include "LineBits.h"
#include "LineSolver.h"

namespace zd {

// The same dynamic programming as the general line solver, for lines of at
// most 63 cells: every table row, cell set and mask is one machine word, so
// no loop over words and no shift across them.

namespace {

uint64_t extendAcrossEmpty(uint64_t seeds, uint64_t mayExtend)
{
    const uint64_t step = (seeds << 1) & mayExtend;
    const uint64_t carried = (mayExtend + step) ^ mayExtend ^ step;
    return seeds | ((carried | step) & mayExtend);
}

uint64_t wordRunStarts(uint64_t set, int length)
{
    for (int covered = 1; covered < length;) {
        const int step = covered < length - covered ? covered : length - covered;
        set &= set >> step;
        covered += step;
    }
    return set;
}

uint64_t smearUp(uint64_t set, int length)
{
    for (int covered = 1; covered < length;) {
        const int step = covered < length - covered ? covered : length - covered;
        set |= set << step;
        covered += step;
    }
    return set;
}

// prefix[j]: see LineSolver; clues read from `clues` with stride clueStep.
void fillWordPrefix(const int *clues, int clueStep, int clueCount, uint64_t mayBeEmpty,
                    uint64_t mayBeFilled, uint64_t *prefix)
{
    const uint64_t mayExtend = mayBeEmpty << 1;
    prefix[0] = extendAcrossEmpty(1, mayExtend);
    for (int j = 1; j <= clueCount; ++j) {
        const int block = clues[clueStep * (j - 1)];
        const uint64_t starts = ((prefix[j - 1] & mayBeEmpty) << 1) | (j == 1 ? 1 : 0);
        const uint64_t placed = starts & wordRunStarts(mayBeFilled, block);
        prefix[j] = extendAcrossEmpty(placed << block, mayExtend);
    }
}

} // namespace

bool LineSolver::solveShort(const int *clues, int clueCount, uint64_t filled, uint64_t empty,
                            int lineLength, uint64_t &decidedFilled, uint64_t &decidedEmpty)
{
    const size_t rowsNeeded = 2 * (static_cast<size_t>(clueCount) + 1);
    if (shortPrefix.size() < rowsNeeded)
        shortPrefix.resize(rowsNeeded);
    uint64_t *rows = shortPrefix.data();
    uint64_t *reversedRows = rows + clueCount + 1;
    const uint64_t cells = (uint64_t { 1 } << lineLength) - 1;
    const uint64_t mayBeEmpty = cells & ~filled;
    const uint64_t mayBeFilled = cells & ~empty;
    fillWordPrefix(clues, 1, clueCount, mayBeEmpty, mayBeFilled, rows);
    if (!((rows[clueCount] >> lineLength) & 1u))
        return false;
    const int cellShift = 64 - lineLength; // cell i of the line -> cell n-1-i
    fillWordPrefix(clues + clueCount - 1, -1, clueCount,
                   LineBits::reverseWord(mayBeEmpty) >> cellShift,
                   LineBits::reverseWord(mayBeFilled) >> cellShift, reversedRows);

    uint64_t canBeEmpty = 0;
    uint64_t canBeFilled = 0;
    uint64_t nextSuffix = 0;
    for (int j = clueCount; j >= 0; --j) {
        // position p of the reversed rows row is position n - p here
        const uint64_t suffix
            = LineBits::reverseWord(reversedRows[clueCount - j]) >> (cellShift - 1);
        canBeEmpty |= rows[j] & (suffix >> 1);
        if (j < clueCount) {
            const int block = clues[j];
            const uint64_t endsBefore
                = ((nextSuffix >> 1) & mayBeEmpty) | (nextSuffix & (uint64_t { 1 } << lineLength));
            const uint64_t starts = ((rows[j] & mayBeEmpty) << 1) | (j == 0 ? 1 : 0);
            const uint64_t placed
                = starts & wordRunStarts(mayBeFilled, block) & (endsBefore >> block);
            canBeFilled |= smearUp(placed, block);
        }
        nextSuffix = suffix;
    }
    canBeEmpty &= mayBeEmpty;
    decidedFilled = canBeFilled & ~canBeEmpty & cells;
    decidedEmpty = canBeEmpty & ~canBeFilled & cells;
    return true;
}

} // namespace zd
