#include "LineAutomaton.h"

#include <algorithm>
#include <cstddef>

namespace zd {

namespace {

void setBit(std::vector<uint64_t> &set, int bit)
{
    set[static_cast<size_t>(bit / 64)] |= uint64_t(1) << (bit % 64);
}

} // namespace

void LineAutomaton::reset(const int *clues, int clueCount)
{
    if (!starts.empty() && clueCopy.size() == static_cast<size_t>(clueCount)
        && std::equal(clueCopy.begin(), clueCopy.end(), clues))
        return;
    clueCopy.assign(clues, clues + clueCount);
    starts.assign(static_cast<size_t>(clueCount), 0);
    symbolCount = 0;
    for (int block = 0; block < clueCount; ++block) {
        starts[static_cast<size_t>(block)] = symbolCount + (block > 0 ? 1 : 0);
        symbolCount += clues[block] + (block > 0 ? 1 : 0);
    }
    wordCount = symbolCount / 64 + 1;
    const auto words = static_cast<size_t>(wordCount);
    std::vector<uint64_t> filledSymbol(words, 0); // bit s: symbol s is a block's cell
    std::vector<uint64_t> gapSymbol(words, 0); // bit s: symbol s is the empty cell between blocks
    std::vector<uint64_t> mayRepeatEmpty(words, 0); // bit s: an empty cell may stay in state s
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
    moves[0].resize(words);
    for (size_t w = 0; w < words; ++w)
        moves[0][w] = filledSymbol[w] | gapSymbol[w];
    moves[1] = gapSymbol;
    moves[2] = filledSymbol;
    stays[0] = mayRepeatEmpty;
    stays[1] = mayRepeatEmpty;
    stays[2].assign(words, 0);
    for (int cell = 0; cell < 3; ++cell) {
        movesWord[cell] = moves[cell][0];
        staysWord[cell] = stays[cell][0];
    }
}

void LineAutomaton::advanceWide(const uint64_t *from, uint8_t cell, uint64_t *to) const
{
    const uint64_t *move = moves[cell].data();
    const uint64_t *stay = stays[cell].data();
    uint64_t carry = 0;
    for (int w = 0; w < wordCount; ++w) {
        const uint64_t moving = from[w] & move[w];
        to[w] = (moving << 1) | carry | (from[w] & stay[w]);
        carry = moving >> 63;
    }
}

void LineAutomaton::retreatWide(const uint64_t *to, uint8_t cell, uint64_t *from) const
{
    const uint64_t *move = moves[cell].data();
    const uint64_t *stay = stays[cell].data();
    for (int w = 0; w < wordCount; ++w) {
        const uint64_t next = w + 1 < wordCount ? to[w + 1] << 63 : 0;
        from[w] = (((to[w] >> 1) | next) & move[w]) | (to[w] & stay[w]);
    }
}

void LineAutomaton::advanceWords(const uint64_t *from, uint8_t cell, uint64_t *to, int first,
                                 int last) const
{
    const uint64_t *move = moves[cell].data();
    const uint64_t *stay = stays[cell].data();
    uint64_t carry = first > 0 ? (from[first - 1] & move[first - 1]) >> 63 : 0;
    for (int w = first; w <= last; ++w) {
        const uint64_t moving = from[w] & move[w];
        to[w] = (moving << 1) | carry | (from[w] & stay[w]);
        carry = moving >> 63;
    }
}

void LineAutomaton::retreatWords(const uint64_t *to, uint8_t cell, uint64_t *from, int first,
                                 int last) const
{
    const uint64_t *move = moves[cell].data();
    const uint64_t *stay = stays[cell].data();
    for (int w = first; w <= last; ++w) {
        const uint64_t next = w + 1 < wordCount ? to[w + 1] << 63 : 0;
        from[w] = (((to[w] >> 1) | next) & move[w]) | (to[w] & stay[w]);
    }
}

bool LineAutomaton::connectsWide(const uint64_t *from, uint8_t cell, const uint64_t *to) const
{
    const uint64_t *move = moves[cell].data();
    const uint64_t *stay = stays[cell].data();
    uint64_t carry = 0;
    for (int w = 0; w < wordCount; ++w) {
        const uint64_t moving = from[w] & move[w];
        if (((moving << 1) | carry | (from[w] & stay[w])) & to[w])
            return true;
        carry = moving >> 63;
    }
    return false;
}

} // namespace zd
