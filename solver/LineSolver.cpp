#include "LineSolver.h"

#include "LineBits.h"

#include <algorithm>
#include <cstddef>

namespace zd {

using namespace LineBits;

void LineSolver::prepare(int clueCount, int lineLength)
{
    length = lineLength;
    words = wordsFor(lineLength);
    const size_t table = static_cast<size_t>(clueCount + 1) * words;
    if (prefix.size() < table) {
        prefix.resize(table);
        reversedPrefix.resize(table);
        runStarts.resize(table);
        reversedRunStarts.resize(table);
    }
    if (masks.size() < static_cast<size_t>(4) * words) {
        masks.resize(static_cast<size_t>(4) * words);
        temps.resize(static_cast<size_t>(13) * words);
    }
}

// row = seeds, extended one cell at a time to higher positions while the
// mask allows: bit i joins when bit i-1 is in and mayExtend has bit i. The
// addition's carries do the walk for all stretches at once.
void LineSolver::extendAcrossEmpty(uint64_t *row, const uint64_t *seeds, const uint64_t *mayExtend)
{
    uint64_t *step = temp(0);
    uint64_t *carries = temp(1);
    shiftUp(step, seeds, 1, words);
    for (int w = 0; w < words; ++w)
        step[w] &= mayExtend[w];
    add(carries, mayExtend, step, words);
    for (int w = 0; w < words; ++w) {
        const uint64_t carried = carries[w] ^ mayExtend[w] ^ step[w];
        row[w] = seeds[w] | ((carried | step[w]) & mayExtend[w]);
    }
}

// Starts s at which the next block may begin after the blocks of prefixRow:
// s = 0 for the first block, else cell s-1 may be empty and the earlier
// blocks fit into cells 0..s-2.
void LineSolver::blockStarts(uint64_t *starts, const uint64_t *prefixRow, bool firstBlock,
                             const uint64_t *mayBeEmpty)
{
    uint64_t *endsBefore = temp(2);
    for (int w = 0; w < words; ++w)
        endsBefore[w] = prefixRow[w] & mayBeEmpty[w];
    shiftUp(starts, endsBefore, 1, words);
    if (firstBlock)
        starts[0] |= 1;
}

// The first block of `length` cells seen in this pass, or -1 (remembering
// `block` as it). Lines repeat block lengths often; the cells where such a
// block fits are the same for all of them.
int LineSolver::blockOfLength(int blockLength, int block)
{
    if (static_cast<size_t>(blockLength) >= lengthStamp.size()) {
        lengthStamp.resize(blockLength + 1, 0);
        lengthBlock.resize(blockLength + 1, 0);
    }
    if (lengthStamp[blockLength] == pass)
        return lengthBlock[blockLength];
    lengthStamp[blockLength] = pass;
    lengthBlock[blockLength] = block;
    return -1;
}

void LineSolver::fillPrefix(const int *clues, int clueStep, int clueCount, const Line &line)
{
    ++pass;
    uint64_t *mayExtend = temp(3);
    shiftUp(mayExtend, line.mayBeEmpty, 1, words);
    uint64_t *seed = temp(4);
    std::fill(seed, seed + words, 0);
    seed[0] = 1;
    extendAcrossEmpty(line.prefix, seed, mayExtend);
    uint64_t *starts = temp(5);
    for (int j = 1; j <= clueCount; ++j) {
        const int block = clues[clueStep * (j - 1)];
        uint64_t *fits = line.runStarts + static_cast<size_t>(j - 1) * words;
        const int same = blockOfLength(block, j - 1);
        if (same >= 0) { // an earlier block of this length: same starts
            const uint64_t *earlier = line.runStarts + static_cast<size_t>(same) * words;
            std::copy(earlier, earlier + words, fits);
        } else {
            std::copy(line.mayBeFilled, line.mayBeFilled + words, fits);
            keepRunStarts(fits, block, words, temp(6));
        }
        blockStarts(starts, line.prefix + static_cast<size_t>(j - 1) * words, j == 1,
                    line.mayBeEmpty);
        for (int w = 0; w < words; ++w)
            starts[w] &= fits[w];
        shiftUp(seed, starts, block, words);
        extendAcrossEmpty(line.prefix + static_cast<size_t>(j) * words, seed, mayExtend);
    }
}

bool LineSolver::solve(const int *clues, int clueCount, const uint64_t *filled,
                       const uint64_t *empty, int lineLength, uint64_t *decidedFilled,
                       uint64_t *decidedEmpty)
{
    if (clueCount == 0)
        return solveEmptyLine(filled, lineLength, decidedFilled, decidedEmpty);
    if (lineLength < 64)
        return solveShort(clues, clueCount, filled[0], empty[0], lineLength, decidedFilled[0],
                          decidedEmpty[0]);
    prepare(clueCount, lineLength);
    uint64_t *mayBeEmpty = masks.data();
    uint64_t *mayBeFilled = mayBeEmpty + words;
    uint64_t *cellsMask = temp(7);
    std::fill(cellsMask, cellsMask + words, ~uint64_t { 0 });
    cellsMask[words - 1] = (uint64_t { 1 } << (length & 63)) - 1;
    for (int w = 0; w < words; ++w) {
        mayBeEmpty[w] = cellsMask[w] & ~filled[w];
        mayBeFilled[w] = cellsMask[w] & ~empty[w];
    }
    const Line forward { mayBeEmpty, mayBeFilled, prefix.data(), runStarts.data() };
    fillPrefix(clues, 1, clueCount, forward);
    if (!test(prefix.data() + static_cast<size_t>(clueCount) * words, length))
        return false;

    uint64_t *reversedEmpty = mayBeFilled + words;
    uint64_t *reversedFilled = reversedEmpty + words;
    reverse(reversedEmpty, mayBeEmpty, length - 1, words);
    reverse(reversedFilled, mayBeFilled, length - 1, words);
    const Line backward { reversedEmpty, reversedFilled, reversedPrefix.data(),
                          reversedRunStarts.data() };
    fillPrefix(clues + clueCount - 1, -1, clueCount, backward);

    combine(clues, clueCount, decidedFilled, decidedEmpty);
    return true;
}

// Walks the splits from the last to the first. suffix[j], the reversed
// line's prefix row k - j read backwards, says where blocks j..k-1 can
// follow; with prefix[j] it tells which cells may be empty between block j-1
// and block j, and with suffix[j + 1] where block j itself may sit.
void LineSolver::combine(const int *clues, int clueCount, uint64_t *decidedFilled,
                         uint64_t *decidedEmpty)
{
    const uint64_t *mayBeEmpty = masks.data();
    const uint64_t *cellsMask = temp(7);
    uint64_t *canBeEmpty = temp(8);
    uint64_t *canBeFilled = temp(9);
    uint64_t *suffix = temp(10);
    uint64_t *nextSuffix = temp(11);
    uint64_t *work = temp(12);
    uint64_t *starts = temp(5);
    std::fill(canBeEmpty, canBeEmpty + words, 0);
    std::fill(canBeFilled, canBeFilled + words, 0);
    for (int j = clueCount; j >= 0; --j) {
        std::swap(suffix, nextSuffix);
        reverse(suffix, reversedPrefix.data() + static_cast<size_t>(clueCount - j) * words, length,
                words);
        const uint64_t *prefixRow = prefix.data() + static_cast<size_t>(j) * words;
        shiftDown(work, suffix, 1, words);
        for (int w = 0; w < words; ++w)
            canBeEmpty[w] |= prefixRow[w] & work[w];
        if (j == clueCount)
            continue;
        // Block j may end before cell e when cell e may be empty and the rest
        // fits after it, or when e is the line's end.
        const int block = clues[j];
        shiftDown(work, nextSuffix, 1, words);
        for (int w = 0; w < words; ++w)
            work[w] &= mayBeEmpty[w];
        if (test(nextSuffix, length))
            set(work, length);
        shiftDown(work, work, block, words);
        blockStarts(starts, prefixRow, j == 0, mayBeEmpty);
        const uint64_t *fits = runStarts.data() + static_cast<size_t>(j) * words;
        for (int w = 0; w < words; ++w)
            starts[w] &= fits[w] & work[w];
        smearUp(starts, block, words, temp(6));
        for (int w = 0; w < words; ++w)
            canBeFilled[w] |= starts[w];
    }
    for (int w = 0; w < words; ++w) {
        canBeEmpty[w] &= mayBeEmpty[w];
        decidedFilled[w] = canBeFilled[w] & ~canBeEmpty[w] & cellsMask[w];
        decidedEmpty[w] = canBeEmpty[w] & ~canBeFilled[w] & cellsMask[w];
    }
}

bool LineSolver::solveEmptyLine(const uint64_t *filled, int lineLength, uint64_t *decidedFilled,
                                uint64_t *decidedEmpty)
{
    const int lineWords = wordsFor(lineLength);
    for (int w = 0; w < lineWords; ++w)
        if (filled[w] != 0)
            return false;
    for (int w = 0; w < lineWords; ++w) {
        decidedFilled[w] = 0;
        decidedEmpty[w] = ~uint64_t { 0 };
    }
    decidedEmpty[lineWords - 1] = (uint64_t { 1 } << (lineLength & 63)) - 1;
    return true;
}

} // namespace zd
