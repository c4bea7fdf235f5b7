#include "LinePremises.h"

#include <algorithm>
#include <cstddef>

namespace zd {

namespace {

// Whether the set holds a state below `bound` (bound >= 0).
bool hasStateBelow(const uint64_t *set, size_t words, int bound)
{
    const auto full = static_cast<size_t>(bound / 64);
    for (size_t w = 0; w < std::min(full, words); ++w)
        if (set[w] != 0)
            return true;
    if (full >= words || bound % 64 == 0)
        return false;
    return (set[full] & ((uint64_t(1) << (bound % 64)) - 1)) != 0;
}

} // namespace

bool LinePremises::find(const int *clues, int clueCount, const uint8_t *states, int length,
                        int target, uint8_t follows, std::vector<int> &kept)
{
    ownAutomaton.reset(clues, clueCount);
    own.buildForward(ownAutomaton, states, length);
    return find(own, states, length, target, follows, kept);
}

bool LinePremises::find(const LinePlacements &tables, const uint8_t *states, int length, int target,
                        uint8_t follows, std::vector<int> &kept)
{
    kept.clear();
    const LineAutomaton &automaton = tables.machine();
    const auto words = static_cast<size_t>(automaton.words());
    const uint8_t opposite = follows == 1 ? 2 : 1;
    const auto cellAt = [&](int i) {
        return i == target ? opposite : states[i];
    };
    // Layers up to the target's come from the tables; the rest, with the
    // target set the other way, are computed here.
    const int shared = target >= 0 ? target : length;
    forward.resize((static_cast<size_t>(length - shared) + 1) * words);
    if (words > 1) // stepped over live words only, the rest must be clear
        std::fill(forward.begin(), forward.end(), 0);
    std::copy_n(tables.reachable(shared), words, forward.data());
    const auto left = [&](int layer) {
        return layer <= shared ? tables.reachable(layer)
                               : forward.data() + static_cast<size_t>(layer - shared) * words;
    };
    // Long lines step over the words of live states only, as the tables do.
    const bool wide = words > 1;
    const auto advance = [&](const uint64_t *from, uint8_t cell, uint64_t *to, int layer) {
        if (!wide)
            return automaton.advance(from, cell, to);
        const auto [first, last] = tables.liveWords(layer);
        automaton.advanceWords(from, cell, to, first, last);
    };
    const auto retreat = [&](const uint64_t *to, uint8_t cell, uint64_t *from, int layer) {
        if (!wide)
            return automaton.retreat(to, cell, from);
        // The sets walked back are reused: their words past the last live
        // one may still hold a state from a layer or two further right.
        const auto [first, last] = tables.liveWords(layer);
        automaton.retreatWords(to, cell, from, first, last);
        std::fill(from + last + 1, from + std::min(static_cast<int>(words), last + 3), 0);
    };
    for (int i = shared; i < length; ++i)
        advance(forward.data() + static_cast<size_t>(i - shared) * words, cellAt(i),
                forward.data() + static_cast<size_t>(i - shared + 1) * words, i + 1);
    const int final = automaton.finalState();
    if (LineAutomaton::has(left(length), final))
        return false;

    finishing.assign(words, 0);
    finishing[static_cast<size_t>(final / 64)] = uint64_t(1) << (final % 64);
    widened.assign(words, 0);
    narrow.assign(words, 0);
    for (int i = length - 1; i >= 0; --i) {
        const uint8_t cell = cellAt(i);
        const uint64_t *reached = left(i);
        if (i == target || cell == 0) {
            retreat(finishing.data(), cell, narrow.data(), i);
        } else {
            retreat(finishing.data(), 0, widened.data(), i);
            bool needed = false;
            for (size_t w = 0; w < words && !needed; ++w)
                needed = (widened[w] & reached[w]) != 0;
            if (needed) {
                kept.push_back(i);
                retreat(finishing.data(), cell, narrow.data(), i);
            } else {
                narrow.swap(widened);
            }
        }
        finishing.swap(narrow);
        // Before cell i only states up to i are reachable, whatever the
        // cells there; when none of them can finish, no cell further left
        // can open a path, so none is needed.
        if (!hasStateBelow(finishing.data(), words, i + 1))
            break;
    }
    std::reverse(kept.begin(), kept.end());
    return true;
}

} // namespace zd
