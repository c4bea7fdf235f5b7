#include "LinePlacements.h"

#include <cstddef>

namespace zd {

const uint64_t *LinePlacements::reachable(int layer) const
{
    return forward.data() + static_cast<size_t>(layer) * static_cast<size_t>(automaton.words());
}

const uint64_t *LinePlacements::finishing(int layer) const
{
    return backward.data() + static_cast<size_t>(layer) * static_cast<size_t>(automaton.words());
}

bool LinePlacements::build(const int *clues, int clueCount, const uint8_t *states, int lineLength,
                           bool withStarts)
{
    automaton.reset(clues, clueCount);
    cells = states;
    length = lineLength;
    const auto words = static_cast<size_t>(automaton.words());
    const size_t layers = static_cast<size_t>(length) + 1;
    forward.assign(layers * words, 0);
    backward.assign(layers * words, 0);
    forward[0] = 1;
    for (int i = 0; i < length; ++i)
        automaton.advance(forward.data() + i * words, cells[i], forward.data() + (i + 1) * words);
    if (!LineAutomaton::has(reachable(length), automaton.finalState()))
        return false;
    const int final = automaton.finalState();
    backward[static_cast<size_t>(length) * words + static_cast<size_t>(final / 64)] = uint64_t(1)
        << (final % 64);
    for (int i = length - 1; i >= 0; --i)
        automaton.retreat(backward.data() + (i + 1) * words, cells[i], backward.data() + i * words);
    if (withStarts)
        fillStarts(clues, clueCount);
    return true;
}

bool LinePlacements::allows(int position, uint8_t state) const
{
    if (cells[position] != 0 && cells[position] != state)
        return false;
    const auto words = static_cast<size_t>(automaton.words());
    both.resize(2 * words);
    for (size_t w = 0; w < words; ++w) {
        both[w] = reachable(position)[w] & finishing(position)[w];
        both[words + w] = reachable(position + 1)[w] & finishing(position + 1)[w];
    }
    return automaton.connects(both.data(), state, both.data() + words);
}

// Block b starts at cell i when a fitting placement is in the block's first
// state before cell i and one state further after it. Block b starts after
// the earliest start of block b - 1 and its gap, and before the latest start
// of block b + 1, so each search resumes where the last one left off.
void LinePlacements::fillStarts(const int *clues, int clueCount)
{
    earliest.assign(static_cast<size_t>(clueCount), -1);
    latest.assign(static_cast<size_t>(clueCount), -1);
    const auto startsAt = [&](int block, int i) {
        const int state = automaton.blockStart(block);
        return cells[i] != 1 && LineAutomaton::has(reachable(i), state)
            && LineAutomaton::has(finishing(i + 1), state + 1);
    };
    int first = 0;
    for (int block = 0; block < clueCount; ++block) {
        while (first < length && !startsAt(block, first))
            ++first;
        earliest[static_cast<size_t>(block)] = first;
        first += clues[block] + 1;
    }
    int last = length - 1;
    for (int block = clueCount - 1; block >= 0; --block) {
        while (last > 0 && !startsAt(block, last))
            --last;
        latest[static_cast<size_t>(block)] = last;
        last -= (block > 0 ? clues[block - 1] : 0) + 1;
    }
}

} // namespace zd
