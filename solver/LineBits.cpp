#include "LineBits.h"

#include <algorithm>

namespace zd {

namespace LineBits {

// Reversing all words maps bit p to bit 64 * words - 1 - p; a shift down
// then moves bit `top` to bit 0.
void reverse(uint64_t *dst, const uint64_t *src, int top, int words)
{
    for (int w = 0; w < words; ++w)
        dst[w] = reverseWord(src[words - 1 - w]);
    shiftDown(dst, dst, 64 * words - 1 - top, words);
}

void keepRunStarts(uint64_t *set, int length, int words, uint64_t *scratch)
{
    int covered = 1;
    while (covered < length) {
        const int step = std::min(covered, length - covered);
        shiftDown(scratch, set, step, words);
        for (int w = 0; w < words; ++w)
            set[w] &= scratch[w];
        covered += step;
    }
}

void smearUp(uint64_t *set, int length, int words, uint64_t *scratch)
{
    int covered = 1;
    while (covered < length) {
        const int step = std::min(covered, length - covered);
        shiftUp(scratch, set, step, words);
        for (int w = 0; w < words; ++w)
            set[w] |= scratch[w];
        covered += step;
    }
}

} // namespace LineBits

} // namespace zd
