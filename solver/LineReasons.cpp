#include "LineReasons.h"

#include "CellState.h"
#include "LineClueCheck.h"

#include <algorithm>

namespace zd {

// The one feasibility check of the project (LineClueCheck.h) for long
// lines; lines of one word take the bit-parallel form below.
bool LineReasons::feasible(const int *clues, int clueCount, const uint8_t *states, int length)
{
    if (length < 64)
        return feasibleShort(clues, clueCount, states, length);
    return lineCanMeetClues(
        static_cast<size_t>(clueCount), [clues](size_t k) { return clues[k]; }, length,
        [states](int32_t i) { return states[i]; }, fitScratch);
}

// The same check on one word: bit i of `at` is position i (0..length). Moving
// right across cells that may be empty is an addition whose carries run
// along those stretches.
bool LineReasons::feasibleShort(const int *clues, int clueCount, const uint8_t *states, int length)
{
    uint64_t filled = 0;
    uint64_t empty = 0;
    for (int i = 0; i < length; ++i) {
        if (states[i] == CellFilled)
            filled |= uint64_t { 1 } << i;
        else if (states[i] == CellEmpty)
            empty |= uint64_t { 1 } << i;
    }
    return feasibleBits(clues, clueCount, filled, empty, length);
}

bool LineReasons::feasibleBits(const int *clues, int clueCount, uint64_t filled, uint64_t empty,
                               int length)
{
    const uint64_t cellsMask = (uint64_t { 1 } << length) - 1;
    const uint64_t mayBeEmpty = ~filled & cellsMask;
    const uint64_t mayBeFilled = ~empty & cellsMask;
    const uint64_t mayEnd = mayBeEmpty | (uint64_t { 1 } << length); // a block may end before
    const auto across = [mayBeEmpty](uint64_t at) {
        return at | (((at & mayBeEmpty) + mayBeEmpty) ^ mayBeEmpty);
    };
    uint64_t at = 1;
    for (int j = 0; j < clueCount && at != 0; ++j) {
        const int clue = clues[j];
        if (clue > length)
            return false;
        uint64_t runs = mayBeFilled; // starts of `clue` cells that may all be filled
        int covered = 1;
        while (covered < clue) {
            const int step = std::min(covered, clue - covered);
            runs &= runs >> step;
            covered += step;
        }
        const uint64_t starts = across(at) & runs & (mayEnd >> clue);
        const uint64_t atEnd = uint64_t { 1 } << (length - clue);
        at = ((starts & ~atEnd) << (clue + 1)) | ((starts & atEnd) ? uint64_t { 1 } << length : 0);
    }
    return (across(at) >> length) & 1u;
}

// Drops a whole range of candidates at once when the line stays infeasible
// without them, else splits it: a reason of r cells among n candidates
// costs about 2 r log(n / r) checks instead of n.
void LineReasons::shrinkRange(const int *clues, int clueCount, std::vector<uint8_t> &states,
                              const std::vector<int> &candidates, size_t from, size_t to,
                              std::vector<int> &kept)
{
    const int length = static_cast<int>(states.size());
    saved.resize(std::max(saved.size(), candidates.size()));
    for (size_t k = from; k < to; ++k) {
        saved[k] = states[candidates[k]];
        states[candidates[k]] = CellUnknown;
    }
    if (!feasible(clues, clueCount, states.data(), length))
        return;
    for (size_t k = from; k < to; ++k)
        states[candidates[k]] = saved[k];
    if (to - from == 1) {
        kept.push_back(candidates[from]);
        return;
    }
    const size_t middle = from + (to - from) / 2;
    shrinkRange(clues, clueCount, states, candidates, from, middle, kept);
    shrinkRange(clues, clueCount, states, candidates, middle, to, kept);
}

// The same on the lines of one word, with the known cells as two masks.
void LineReasons::shrinkBits(const int *clues, int clueCount, uint64_t &filled, uint64_t &empty,
                             int length, const std::vector<int> &candidates, size_t from, size_t to,
                             std::vector<int> &kept)
{
    uint64_t range = 0;
    for (size_t k = from; k < to; ++k)
        range |= uint64_t { 1 } << candidates[k];
    if (!feasibleBits(clues, clueCount, filled & ~range, empty & ~range, length)) {
        filled &= ~range;
        empty &= ~range;
        return;
    }
    if (to - from == 1) {
        kept.push_back(candidates[from]);
        return;
    }
    const size_t middle = from + (to - from) / 2;
    shrinkBits(clues, clueCount, filled, empty, length, candidates, from, middle, kept);
    shrinkBits(clues, clueCount, filled, empty, length, candidates, middle, to, kept);
}

bool LineReasons::shrinkShort(const int *clues, int clueCount, uint64_t &filled, uint64_t &empty,
                              int length, const std::vector<int> &candidates,
                              std::vector<int> &kept)
{
    kept.clear();
    if (feasibleBits(clues, clueCount, filled, empty, length))
        return false;
    if (!candidates.empty())
        shrinkBits(clues, clueCount, filled, empty, length, candidates, 0, candidates.size(), kept);
    return true;
}

void LineReasons::shrink(const int *clues, int clueCount, std::vector<uint8_t> &states,
                         const std::vector<int> &candidates, std::vector<int> &kept)
{
    kept.clear();
    if (!candidates.empty())
        shrinkRange(clues, clueCount, states, candidates, 0, candidates.size(), kept);
}

} // namespace zd
