#include "LinePremises.h"

#include <algorithm>
#include <cstddef>

namespace zd {

bool LinePremises::find(const int *clues, int clueCount, const uint8_t *states, int length,
                        int target, uint8_t follows, std::vector<int> &kept)
{
    kept.clear();
    automaton.reset(clues, clueCount);
    const auto words = static_cast<size_t>(automaton.words());
    const uint8_t opposite = follows == 1 ? 2 : 1;
    const auto cellAt = [&](int i) {
        return i == target ? opposite : states[i];
    };
    forward.assign((static_cast<size_t>(length) + 1) * words, 0);
    forward[0] = 1;
    for (int i = 0; i < length; ++i)
        automaton.advance(forward.data() + i * words, cellAt(i), forward.data() + (i + 1) * words);
    const int final = automaton.finalState();
    if (LineAutomaton::has(forward.data() + static_cast<size_t>(length) * words, final))
        return false;

    finishing.assign(words, 0);
    finishing[static_cast<size_t>(final / 64)] = uint64_t(1) << (final % 64);
    widened.assign(words, 0);
    narrow.assign(words, 0);
    for (int i = length - 1; i >= 0; --i) {
        const uint8_t cell = cellAt(i);
        const uint64_t *left = forward.data() + i * words;
        if (i == target || cell == 0) {
            automaton.retreat(finishing.data(), cell, narrow.data());
        } else {
            automaton.retreat(finishing.data(), 0, widened.data());
            bool needed = false;
            for (size_t w = 0; w < words && !needed; ++w)
                needed = (widened[w] & left[w]) != 0;
            if (needed) {
                kept.push_back(i);
                automaton.retreat(finishing.data(), cell, narrow.data());
            } else {
                narrow.swap(widened);
            }
        }
        finishing.swap(narrow);
    }
    std::reverse(kept.begin(), kept.end());
    return true;
}

} // namespace zd
