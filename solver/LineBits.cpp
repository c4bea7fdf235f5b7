#include "LineBits.h"

#include <algorithm>

namespace LineBits {

// Both shifts walk in the direction that lets dst be src: every word is
// read before it is overwritten. The loops have no per-word tests, which
// matters on lines of a few words, where they run for every block.
void shiftUp(uint64_t *dst, const uint64_t *src, int shift, int words)
{
    const int wordShift = std::min(shift >> 6, words);
    const int bitShift = shift & 63;
    if (wordShift < words) {
        if (bitShift == 0) {
            for (int w = words - 1; w >= wordShift; --w)
                dst[w] = src[w - wordShift];
        } else {
            for (int w = words - 1; w > wordShift; --w)
                dst[w] = (src[w - wordShift] << bitShift)
                    | (src[w - wordShift - 1] >> (64 - bitShift));
            dst[wordShift] = src[0] << bitShift;
        }
    }
    for (int w = wordShift - 1; w >= 0; --w)
        dst[w] = 0;
}

void shiftDown(uint64_t *dst, const uint64_t *src, int shift, int words)
{
    const int wordShift = std::min(shift >> 6, words);
    const int bitShift = shift & 63;
    const int kept = words - wordShift; // words that receive bits
    if (kept > 0) {
        if (bitShift == 0) {
            for (int w = 0; w < kept; ++w)
                dst[w] = src[w + wordShift];
        } else {
            for (int w = 0; w + 1 < kept; ++w)
                dst[w] = (src[w + wordShift] >> bitShift)
                    | (src[w + wordShift + 1] << (64 - bitShift));
            dst[kept - 1] = src[words - 1] >> bitShift;
        }
    }
    for (int w = std::max(kept, 0); w < words; ++w)
        dst[w] = 0;
}

void add(uint64_t *dst, const uint64_t *a, const uint64_t *b, int words)
{
    uint64_t carry = 0;
    for (int w = 0; w < words; ++w) {
        const uint64_t sum = a[w] + b[w];
        const uint64_t carryOut = sum < a[w] ? 1 : 0;
        dst[w] = sum + carry;
        carry = carryOut | (dst[w] < sum ? 1 : 0);
    }
}

namespace {

uint64_t reverseWord(uint64_t x)
{
    x = ((x >> 1) & 0x5555555555555555u) | ((x & 0x5555555555555555u) << 1);
    x = ((x >> 2) & 0x3333333333333333u) | ((x & 0x3333333333333333u) << 2);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0Fu) | ((x & 0x0F0F0F0F0F0F0F0Fu) << 4);
    return __builtin_bswap64(x);
}

} // namespace

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
