#pragma once

#include <algorithm>
#include <cstdint>

namespace zd {

// Operations on bit sets stored as `words` 64-bit words, bit i of the set in
// word i / 64. Destination and sources may be the same array unless noted.
namespace LineBits {

inline bool test(const uint64_t *set, int bit)
{
    return (set[bit >> 6] >> (bit & 63)) & 1u;
}

inline void set(uint64_t *set, int bit)
{
    set[bit >> 6] |= uint64_t { 1 } << (bit & 63);
}

inline void clear(uint64_t *set, int bit)
{
    set[bit >> 6] &= ~(uint64_t { 1 } << (bit & 63));
}

// shiftUp: dst = src << shift (towards higher bits), bits past the last word
// dropped; shiftDown: dst = src >> shift (towards lower bits); add: dst = a + b
// with carries across words. The line solver calls them for every block of
// every line, hence inline and without per-word tests. Both shifts walk in
// the direction that lets dst be src: every word is read before it is
// overwritten.
inline void shiftUp(uint64_t *dst, const uint64_t *src, int shift, int words)
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

inline void shiftDown(uint64_t *dst, const uint64_t *src, int shift, int words)
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

inline void add(uint64_t *dst, const uint64_t *a, const uint64_t *b, int words)
{
    uint64_t carry = 0;
    for (int w = 0; w < words; ++w) {
        const uint64_t sum = a[w] + b[w];
        const uint64_t carryOut = sum < a[w] ? 1 : 0;
        dst[w] = sum + carry;
        carry = carryOut | (dst[w] < sum ? 1 : 0);
    }
}

// Bit i of x moved to bit 63 - i.
inline uint64_t reverseWord(uint64_t x)
{
    x = ((x >> 1) & 0x5555555555555555u) | ((x & 0x5555555555555555u) << 1);
    x = ((x >> 2) & 0x3333333333333333u) | ((x & 0x3333333333333333u) << 2);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0Fu) | ((x & 0x0F0F0F0F0F0F0F0Fu) << 4);
    return __builtin_bswap64(x);
}

// dst[i] = src[top - i] for i in 0..top; `dst` must differ from `src`.
void reverse(uint64_t *dst, const uint64_t *src, int top, int words);
// Keeps bit i when bits i..i+length-1 of `set` are all set (in place).
void keepRunStarts(uint64_t *set, int length, int words, uint64_t *scratch);
// Sets bits i..i+length-1 for every set bit i (in place).
void smearUp(uint64_t *set, int length, int words, uint64_t *scratch);

} // namespace LineBits

} // namespace zd
