#include "LinePlacements.h"

#include <algorithm>
#include <cstddef>

namespace zd {

void LinePlacements::buildForward(const LineAutomaton &lineAutomaton, const uint8_t *states,
                                  int lineLength)
{
    automaton = &lineAutomaton;
    cells = states;
    length = lineLength;
    const auto words = static_cast<size_t>(automaton->words());
    // One word a layer is written whole; longer layers only over their
    // live words, the rest staying clear.
    if (words == 1)
        forward.resize(static_cast<size_t>(length) + 1);
    else
        forward.assign((static_cast<size_t>(length) + 1) * words, 0);
    std::fill_n(forward.begin(), words, 0);
    forward[0] = 1;
    if (words == 1) {
        for (int i = 0; i < length; ++i)
            automaton->advance(forward.data() + i, cells[i], forward.data() + i + 1);
        return;
    }
    for (int i = 0; i < length; ++i) {
        const auto [first, last] = liveWords(i + 1);
        automaton->advanceWords(forward.data() + i * words, cells[i],
                                forward.data() + (i + 1) * words, first, last);
    }
}

bool LinePlacements::build(const LineAutomaton &lineAutomaton, const uint8_t *states,
                           int lineLength, bool withStarts)
{
    buildForward(lineAutomaton, states, lineLength);
    const int final = automaton->finalState();
    if (!LineAutomaton::has(reachable(length), final))
        return false;
    const auto words = static_cast<size_t>(automaton->words());
    if (words == 1)
        backward.resize(static_cast<size_t>(length) + 1);
    else
        backward.assign((static_cast<size_t>(length) + 1) * words, 0);
    uint64_t *last = backward.data() + static_cast<size_t>(length) * words;
    std::fill_n(last, words, 0);
    last[final / 64] = uint64_t(1) << (final % 64);
    if (words == 1) {
        for (int i = length - 1; i >= 0; --i)
            automaton->retreat(backward.data() + i + 1, cells[i], backward.data() + i);
    } else {
        for (int i = length - 1; i >= 0; --i) {
            const auto [first, lastWord] = liveWords(i);
            automaton->retreatWords(backward.data() + (i + 1) * words, cells[i],
                                    backward.data() + i * words, first, lastWord);
        }
    }
    if (withStarts)
        fillStarts();
    return true;
}

// Block b starts at cell i when a fitting placement is in the block's first
// state before cell i and one state further after it. Block b starts after
// the earliest start of block b - 1 and its gap, and before the latest start
// of block b + 1, so each search resumes where the last one left off.
void LinePlacements::fillStarts()
{
    const int clueCount = automaton->blockCount();
    earliest.assign(static_cast<size_t>(clueCount), -1);
    latest.assign(static_cast<size_t>(clueCount), -1);
    const auto startsAt = [&](int block, int i) {
        const int state = automaton->blockStart(block);
        return cells[i] != 1 && LineAutomaton::has(reachable(i), state)
            && LineAutomaton::has(finishing(i + 1), state + 1);
    };
    int first = 0;
    for (int block = 0; block < clueCount; ++block) {
        while (first < length && !startsAt(block, first))
            ++first;
        earliest[static_cast<size_t>(block)] = first;
        first += automaton->blockLength(block) + 1;
    }
    int last = length - 1;
    for (int block = clueCount - 1; block >= 0; --block) {
        while (last > 0 && !startsAt(block, last))
            --last;
        latest[static_cast<size_t>(block)] = last;
        last -= (block > 0 ? automaton->blockLength(block - 1) : 0) + 1;
    }
}

} // namespace zd
