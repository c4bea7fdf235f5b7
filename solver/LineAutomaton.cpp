#include "LineAutomaton.h"

#include <cstddef>

namespace zd {

namespace {

void setBit(std::vector<uint64_t> &set, int bit)
{
    set[static_cast<size_t>(bit / 64)] |= uint64_t(1) << (bit % 64);
}

// to = (from & mask) shifted one state up.
void shiftUpMasked(const uint64_t *from, const uint64_t *mask, int words, uint64_t *to)
{
    uint64_t carry = 0;
    for (int w = 0; w < words; ++w) {
        const uint64_t bits = from[w] & mask[w];
        to[w] = (bits << 1) | carry;
        carry = bits >> 63;
    }
}

// to = (from shifted one state down) & mask.
void shiftDownMasked(const uint64_t *from, const uint64_t *mask, int words, uint64_t *to)
{
    for (int w = 0; w < words; ++w) {
        const uint64_t next = w + 1 < words ? from[w + 1] << 63 : 0;
        to[w] = ((from[w] >> 1) | next) & mask[w];
    }
}

} // namespace

void LineAutomaton::reset(const int *clues, int clueCount)
{
    starts.assign(static_cast<size_t>(clueCount), 0);
    symbolCount = 0;
    for (int block = 0; block < clueCount; ++block) {
        starts[static_cast<size_t>(block)] = symbolCount + (block > 0 ? 1 : 0);
        symbolCount += clues[block] + (block > 0 ? 1 : 0);
    }
    wordCount = symbolCount / 64 + 1;
    const auto words = static_cast<size_t>(wordCount);
    filledSymbol.assign(words, 0);
    gapSymbol.assign(words, 0);
    mayRepeatEmpty.assign(words, 0);
    scratch.assign(words, 0);
    setBit(mayRepeatEmpty, 0);
    setBit(mayRepeatEmpty, symbolCount);
    for (int block = 0; block < clueCount; ++block) {
        const int start = starts[static_cast<size_t>(block)];
        if (block > 0) {
            setBit(gapSymbol, start - 1);
            setBit(mayRepeatEmpty, start);
        }
        for (int s = start; s < start + clues[block]; ++s)
            setBit(filledSymbol, s);
    }
}

void LineAutomaton::advance(const uint64_t *from, uint8_t cell, uint64_t *to) const
{
    uint64_t *gapStep = scratch.data();
    if (cell != 1)
        shiftUpMasked(from, filledSymbol.data(), wordCount, to);
    else
        for (int w = 0; w < wordCount; ++w)
            to[w] = 0;
    if (cell == 2)
        return;
    shiftUpMasked(from, gapSymbol.data(), wordCount, gapStep);
    for (int w = 0; w < wordCount; ++w)
        to[w] |= gapStep[w] | (from[w] & mayRepeatEmpty[w]);
}

void LineAutomaton::retreat(const uint64_t *to, uint8_t cell, uint64_t *from) const
{
    uint64_t *gapStep = scratch.data();
    if (cell != 1)
        shiftDownMasked(to, filledSymbol.data(), wordCount, from);
    else
        for (int w = 0; w < wordCount; ++w)
            from[w] = 0;
    if (cell == 2)
        return;
    shiftDownMasked(to, gapSymbol.data(), wordCount, gapStep);
    for (int w = 0; w < wordCount; ++w)
        from[w] |= gapStep[w] | (to[w] & mayRepeatEmpty[w]);
}

bool LineAutomaton::connects(const uint64_t *from, uint8_t cell, const uint64_t *to) const
{
    uint64_t *reached = scratch.data();
    const uint64_t *mask = cell == 2 ? filledSymbol.data() : gapSymbol.data();
    shiftUpMasked(from, mask, wordCount, reached);
    for (int w = 0; w < wordCount; ++w) {
        const uint64_t stay = cell == 1 ? from[w] & mayRepeatEmpty[w] : 0;
        if ((reached[w] | stay) & to[w])
            return true;
    }
    return false;
}

} // namespace zd
