#pragma once

#include <cstdint>

// Operations on bit sets stored as `words` 64-bit words, bit i of the set in
// word i / 64. Destination and sources may be the same array unless noted.
namespace LineBits {

inline int wordsFor(int bits)
{
    return (bits + 63) / 64;
}

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

// dst = src << shift (towards higher bits), bits past the last word dropped.
void shiftUp(uint64_t *dst, const uint64_t *src, int shift, int words);
// dst = src >> shift (towards lower bits).
void shiftDown(uint64_t *dst, const uint64_t *src, int shift, int words);
// dst = a + b with carries across words.
void add(uint64_t *dst, const uint64_t *a, const uint64_t *b, int words);
// dst[i] = src[top - i] for i in 0..top; `dst` must differ from `src`.
void reverse(uint64_t *dst, const uint64_t *src, int top, int words);
// Keeps bit i when bits i..i+length-1 of `set` are all set (in place).
void keepRunStarts(uint64_t *set, int length, int words, uint64_t *scratch);
// Sets bits i..i+length-1 for every set bit i (in place).
void smearUp(uint64_t *set, int length, int words, uint64_t *scratch);

} // namespace LineBits
