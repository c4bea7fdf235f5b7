#include "SettledEnds.h"

#include "LineSolver.h"
#include "PuzzleClues.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace zd;

namespace {

struct LineBitsOf
{
    std::vector<uint64_t> filled;
    std::vector<uint64_t> empty;
};

// A line picture: '#' filled, '.' empty, '?' unknown.
LineBitsOf bitsOf(const std::string &picture, int offset = 0)
{
    const int words = LineSolver::wordsFor(static_cast<int>(picture.size()));
    LineBitsOf bits { std::vector<uint64_t>(words), std::vector<uint64_t>(words) };
    for (size_t i = offset; i < picture.size(); ++i) {
        const int bit = static_cast<int>(i) - offset;
        if (picture[i] == '#')
            bits.filled[bit / 64] |= uint64_t { 1 } << (bit % 64);
        if (picture[i] == '.')
            bits.empty[bit / 64] |= uint64_t { 1 } << (bit % 64);
    }
    return bits;
}

// "" when no placement fits, else the line with every decided cell filled in.
std::string solveWhole(const std::vector<int> &clues, const std::string &known)
{
    LineSolver solver;
    const LineBitsOf bits = bitsOf(known);
    std::vector<uint64_t> filled(bits.filled.size()), empty(bits.filled.size());
    if (!solver.solve(clues.data(), static_cast<int>(clues.size()), bits.filled.data(),
                      bits.empty.data(), static_cast<int>(known.size()), filled.data(),
                      empty.data()))
        return "";
    std::string result = known;
    for (size_t i = 0; i < known.size(); ++i) {
        if (filled[i / 64] >> (i % 64) & 1u)
            result[i] = '#';
        if (empty[i / 64] >> (i % 64) & 1u)
            result[i] = '.';
    }
    return result;
}

// The same through the open part: settled ends checked, the rest solved alone.
std::string solveOpenPart(const std::vector<int> &clues, const std::string &known)
{
    const LineBitsOf bits = bitsOf(known);
    OpenPart part;
    if (!findOpenPart(clues.data(), static_cast<int>(clues.size()), bits.filled.data(),
                      bits.empty.data(), static_cast<int>(known.size()), part))
        return "";
    if (part.from == part.to)
        return known;
    const std::vector<int> partClues(clues.begin() + part.firstBlock,
                                     clues.begin() + part.lastBlock);
    const std::string partKnown = known.substr(part.from, part.to - part.from);
    const std::string partSolved = partClues.empty()
        ? (partKnown.find('#') == std::string::npos ? std::string(partKnown.size(), '.') : "")
        : solveWhole(partClues, partKnown);
    if (partSolved.empty())
        return "";
    return known.substr(0, part.from) + partSolved + known.substr(part.to);
}

TEST(SettledEnds, HandPickedLines)
{
    EXPECT_EQ(solveOpenPart({ 2, 3, 3 }, "##.???.###"), "##.###.###");
    EXPECT_EQ(solveOpenPart({ 2, 1 }, "#.??????"), "") << "first block too short";
    EXPECT_EQ(solveOpenPart({ 1 }, "#.#....."), "") << "more blocks than the clue";
    EXPECT_EQ(solveOpenPart({ 1, 2 }, "#..##"), "#..##") << "fully decided and matching";
    EXPECT_EQ(solveOpenPart({ 1, 2 }, "#..#."), "") << "fully decided, last block short";
    EXPECT_EQ(solveOpenPart({ 3 }, "##?...."), "###....") << "an open run stays in the part";
}

// Solving only the open part must give exactly what solving the whole line
// gives: the same contradictions and the same decided cells. Mostly known
// lines, from a picture or at random, short and past one word.
TEST(SettledEnds, OpenPartAgreesWithWholeLine)
{
    std::mt19937 random(5);
    for (int round = 0; round < 20000; ++round) {
        const int length = round % 5 == 0 ? 60 + static_cast<int>(random() % 90)
                                          : 1 + static_cast<int>(random() % 14);
        std::string picture;
        for (int i = 0; i < length; ++i)
            picture += random() % 2 ? '#' : '.';
        std::vector<int> clues = PuzzleClues::cluesOfLine(picture);
        if (clues == std::vector<int> { 0 })
            continue;
        std::string known = picture;
        const bool fromPicture = round % 3 != 0;
        for (char &cell : known) {
            const unsigned roll = random() % 10;
            if (roll < 3)
                cell = '?';
            else if (!fromPicture && roll == 3)
                cell = cell == '#' ? '.' : '#';
        }
        ASSERT_EQ(solveOpenPart(clues, known), solveWhole(clues, known))
            << "clues of " << picture << ", known " << known;
    }
}

} // namespace
