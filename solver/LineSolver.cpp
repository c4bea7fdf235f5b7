#include "LineSolver.h"

#include "CMalovanaKrizovka.h"

#include <algorithm>
#include <cstddef>

void LineSolver::prepare(int clueCount, int length)
{
    const size_t table = static_cast<size_t>(clueCount + 1) * (length + 1);
    if (canStart.size() < table) {
        canStart.resize(table);
        canEnd.resize(table);
    }
    if (emptyBefore.size() < static_cast<size_t>(length) + 1) {
        emptyBefore.resize(length + 1);
        fillCover.resize(length + 1);
        canBeEmpty.resize(length + 1);
    }
}

// canStart[j][i]: blocks 0..j-1 fit into cells 0..i-1, every other cell of
// that prefix empty. Either cell i-1 is empty and the prefix before it holds
// the j blocks, or block j-1 ends at i with an empty cell (or the line's
// start) before it.
void LineSolver::fillForward(const int *clues, int clueCount, const uint8_t *cells, int length)
{
    const int width = length + 1;
    uint8_t *first = canStart.data();
    first[0] = 1;
    for (int i = 1; i <= length; ++i)
        first[i] = first[i - 1] && cells[i - 1] != CellFilled;
    for (int j = 1; j <= clueCount; ++j) {
        const int block = clues[j - 1];
        const uint8_t *before = canStart.data() + static_cast<size_t>(j - 1) * width;
        uint8_t *row = canStart.data() + static_cast<size_t>(j) * width;
        row[0] = 0;
        for (int i = 1; i <= length; ++i) {
            bool can = row[i - 1] && cells[i - 1] != CellFilled;
            const int start = i - block;
            if (!can && start >= 0 && emptyBefore[i] == emptyBefore[start])
                can = start == 0 ? before[0] != 0
                                 : cells[start - 1] != CellFilled && before[start - 1];
            row[i] = can;
        }
    }
}

// canEnd[j][i]: blocks j..k-1 fit into cells i..n-1, the mirror image.
void LineSolver::fillBackward(const int *clues, int clueCount, const uint8_t *cells, int length)
{
    const int width = length + 1;
    uint8_t *last = canEnd.data() + static_cast<size_t>(clueCount) * width;
    last[length] = 1;
    for (int i = length - 1; i >= 0; --i)
        last[i] = last[i + 1] && cells[i] != CellFilled;
    for (int j = clueCount - 1; j >= 0; --j) {
        const int block = clues[j];
        const uint8_t *after = canEnd.data() + static_cast<size_t>(j + 1) * width;
        uint8_t *row = canEnd.data() + static_cast<size_t>(j) * width;
        row[length] = 0;
        for (int i = length - 1; i >= 0; --i) {
            bool can = row[i + 1] && cells[i] != CellFilled;
            const int end = i + block;
            if (!can && blockFits(i, block, length))
                can = end == length ? after[length] != 0
                                    : cells[end] != CellFilled && after[end + 1];
            row[i] = can;
        }
    }
}

bool LineSolver::solve(const int *clues, int clueCount, const uint8_t *cells, int length,
                       uint8_t *decided)
{
    prepare(clueCount, length);
    emptyBefore[0] = 0;
    for (int i = 0; i < length; ++i)
        emptyBefore[i + 1] = emptyBefore[i] + (cells[i] == CellEmpty);
    fillForward(clues, clueCount, cells, length);
    const int width = length + 1;
    if (!canStart[static_cast<size_t>(clueCount) * width + length])
        return false;
    fillBackward(clues, clueCount, cells, length);

    std::fill(fillCover.begin(), fillCover.begin() + length + 1, 0);
    std::fill(canBeEmpty.begin(), canBeEmpty.begin() + length, 0);
    for (int j = 0; j <= clueCount; ++j) {
        const uint8_t *before = canStart.data() + static_cast<size_t>(j) * width;
        const uint8_t *after = canEnd.data() + static_cast<size_t>(j) * width;
        for (int i = 0; i < length; ++i)
            if (before[i] && after[i + 1] && cells[i] != CellFilled)
                canBeEmpty[i] = 1;
        if (j == clueCount)
            break;
        const int block = clues[j];
        const uint8_t *afterNext = canEnd.data() + static_cast<size_t>(j + 1) * width;
        for (int start = 0; start + block <= length; ++start) {
            const int end = start + block;
            if (!blockFits(start, block, length))
                continue;
            const bool prefix
                = start == 0 ? before[0] != 0 : cells[start - 1] != CellFilled && before[start - 1];
            const bool suffix = end == length ? afterNext[length] != 0
                                              : cells[end] != CellFilled && afterNext[end + 1];
            if (prefix && suffix) {
                ++fillCover[start];
                --fillCover[end];
            }
        }
    }
    int covered = 0;
    for (int i = 0; i < length; ++i) {
        covered += fillCover[i];
        const bool canFill = covered > 0;
        // A full placement exists, so every cell is at least one of the two.
        if (canFill && canBeEmpty[i])
            decided[i] = CellUnknown;
        else
            decided[i] = canFill ? CellFilled : CellEmpty;
    }
    return true;
}
