#include "LineBits.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace zd;

namespace {

std::vector<bool> bitsOf(const std::vector<uint64_t> &set)
{
    std::vector<bool> bits(set.size() * 64);
    for (size_t i = 0; i < bits.size(); ++i)
        bits[i] = LineBits::test(set.data(), static_cast<int>(i));
    return bits;
}

// Every shift amount from 0 to past the whole set, into a separate array and
// in place, against the same shift done bit by bit.
TEST(LineBits, ShiftsMoveEveryBitAndDropWhatFallsOff)
{
    std::mt19937_64 random(5);
    for (int words = 1; words <= 5; ++words) {
        const int bitCount = 64 * words;
        for (int shift = 0; shift <= bitCount + 70; ++shift) {
            std::vector<uint64_t> source(words);
            for (uint64_t &word : source)
                word = random();
            const std::vector<bool> before = bitsOf(source);
            std::vector<bool> up(bitCount, false);
            std::vector<bool> down(bitCount, false);
            for (int i = 0; i < bitCount; ++i) {
                if (i + shift < bitCount)
                    up[i + shift] = before[i];
                if (i - shift >= 0)
                    down[i - shift] = before[i];
            }
            std::vector<uint64_t> result(words);
            LineBits::shiftUp(result.data(), source.data(), shift, words);
            EXPECT_EQ(bitsOf(result), up) << words << " words, up by " << shift;
            LineBits::shiftDown(result.data(), source.data(), shift, words);
            EXPECT_EQ(bitsOf(result), down) << words << " words, down by " << shift;
            std::vector<uint64_t> inPlace = source;
            LineBits::shiftUp(inPlace.data(), inPlace.data(), shift, words);
            EXPECT_EQ(bitsOf(inPlace), up) << "in place, " << words << " words, up by " << shift;
            inPlace = source;
            LineBits::shiftDown(inPlace.data(), inPlace.data(), shift, words);
            EXPECT_EQ(bitsOf(inPlace), down)
                << "in place, " << words << " words, down by " << shift;
        }
    }
}

// reverse() rests on shiftDown by more than a word when the top bit sits
// low in the last word.
TEST(LineBits, ReverseMirrorsTheBitsUpToTop)
{
    std::mt19937_64 random(6);
    for (int words = 1; words <= 4; ++words)
        for (int top = 0; top < 64 * words; top += 7) {
            std::vector<uint64_t> source(words, 0);
            for (int i = 0; i <= top; ++i)
                if (random() & 1)
                    LineBits::set(source.data(), i);
            std::vector<uint64_t> mirrored(words);
            LineBits::reverse(mirrored.data(), source.data(), top, words);
            for (int i = 0; i < 64 * words; ++i) {
                const bool expected = i <= top && LineBits::test(source.data(), top - i);
                ASSERT_EQ(LineBits::test(mirrored.data(), i), expected)
                    << words << " words, top " << top << ", bit " << i;
            }
        }
}

} // namespace
