#include "LineSolver.h"

#include "CMalovanaKrizovka.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace zd;

namespace {

// Lines as pictures: '#' filled, '.' empty, '?' unknown.
std::vector<uint8_t> cellsOf(const std::string &picture)
{
    std::vector<uint8_t> cells;
    for (char c : picture)
        cells.push_back(c == '#' ? CellFilled : c == '.' ? CellEmpty : CellUnknown);
    return cells;
}

std::vector<int> runsOf(unsigned bits, int length)
{
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && (bits >> i & 1u)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

// "" when no placement fits, else the decided cells.
std::string solveLine(LineSolver &solver, const std::vector<int> &clues, const std::string &known)
{
    const int length = static_cast<int>(known.size());
    const int words = LineSolver::wordsFor(length);
    std::vector<uint64_t> filled(words), empty(words), decidedFilled(words), decidedEmpty(words);
    for (int i = 0; i < length; ++i) {
        if (known[i] == '#')
            filled[i / 64] |= uint64_t { 1 } << (i % 64);
        if (known[i] == '.')
            empty[i / 64] |= uint64_t { 1 } << (i % 64);
    }
    if (!solver.solve(clues.data(), static_cast<int>(clues.size()), filled.data(), empty.data(),
                      length, decidedFilled.data(), decidedEmpty.data()))
        return "";
    std::string decided;
    for (int i = 0; i < length; ++i) {
        const bool isFilled = decidedFilled[i / 64] >> (i % 64) & 1u;
        const bool isEmpty = decidedEmpty[i / 64] >> (i % 64) & 1u;
        EXPECT_FALSE(isFilled && isEmpty) << "cell " << i;
        decided += isFilled ? '#' : isEmpty ? '.' : '?';
    }
    return decided;
}

std::string solveLine(const std::vector<int> &clues, const std::string &known)
{
    LineSolver solver;
    return solveLine(solver, clues, known);
}

struct LineCase
{
    std::vector<int> clues;
    const char *known;
    const char *decided; // "" for a contradiction
};

TEST(LineSolver, DecidesWhatEveryPlacementAgreesOnInHandPickedLines)
{
    const std::vector<LineCase> cases = {
        { { 3 }, "?????", "??#??" },
        { { 5 }, "?????", "#####" },
        { {}, "?????", "....." },
        { {}, "??#??", "" },
        { { 1, 1 }, "???", "#.#" },
        { { 2, 1 }, "?????", "?#???" },
        { { 1 }, "?#???", ".#..." },
        { { 3 }, "?.???", "..###" },
        { { 1, 2 }, "????#", "??.##" },
        { { 1, 2 }, "#.???", "#.?#?" },
        { { 2, 2 }, "#.???", "" }, // the first block cannot fit before the empty cell
        { { 2 }, "#???#", "" },
        { { 1, 1, 1 }, "?????", "#.#.#" },
        { { 4 }, "??..??", "" },
        { { 1, 3 }, "???#????", "???#????" }, // either block can cover the filled cell
        { { 1, 3 }, "..?#????", "...#.###" }, // no room for the 1 before the 3
    };
    for (const LineCase &c : cases)
        EXPECT_EQ(solveLine(c.clues, c.known), c.decided) << c.known;
}

// Every line of up to 12 cells (alone and padded past one machine word): random clues (from a
// random line, or made up) and random known cells, compared with the agreement of all fitting lines
// found by enumeration.
TEST(LineSolver, MatchesEnumerationOfAllLinesUpToTwelveCells)
{
    std::mt19937 random(20261207);
    for (int length = 1; length <= 12; ++length) {
        std::map<std::vector<int>, std::vector<unsigned>> linesByClues;
        for (unsigned bits = 0; bits < (1u << length); ++bits)
            linesByClues[runsOf(bits, length)].push_back(bits);
        for (int round = 0; round < 300; ++round) {
            std::vector<int> clues = runsOf(random() & ((1u << length) - 1), length);
            if (round % 3 == 0 && !clues.empty())
                clues[random() % clues.size()] += 1; // often too long for the line
            std::string known(length, '?');
            for (char &cell : known)
                if (random() % 10 < 3)
                    cell = random() % 2 ? '#' : '.';
            std::vector<uint8_t> knownCells = cellsOf(known);
            std::string expected;
            for (unsigned bits : linesByClues[clues]) {
                std::string line;
                bool fits = true;
                for (int i = 0; i < length; ++i) {
                    const bool filled = bits >> i & 1u;
                    line += filled ? '#' : '.';
                    if (knownCells[i] != CellUnknown && filled != (knownCells[i] == CellFilled))
                        fits = false;
                }
                if (!fits)
                    continue;
                if (expected.empty())
                    expected = line;
                for (int i = 0; i < length; ++i)
                    if (expected[i] != line[i])
                        expected[i] = '?';
            }
            ASSERT_EQ(solveLine(clues, known), expected)
                << "length " << length << " known " << known;
            // Lines of 64 cells and more take the multi-word path: known
            // empty padding must not change the answer there either.
            const std::string padding(70, '.');
            ASSERT_EQ(solveLine(clues, known + padding), expected.empty() ? "" : expected + padding)
                << "padded, known " << known;
        }
    }
}

// Lines longer than one 64-bit word, shifted across the word boundary, and a
// short line after them (the scratch tables must not leak between lines).
TEST(LineSolver, LinesAcrossWordBoundariesMatchTheirShortCounterpart)
{
    LineSolver solver;
    const std::vector<int> clues = { 2, 1, 3 };
    const std::string shortLine = "???#.?????";
    const std::string shortAnswer = solveLine(solver, clues, shortLine);
    ASSERT_EQ(shortAnswer, "???#.??#??");
    for (int padding : { 54, 60, 63, 64, 100, 128, 200 }) {
        // Known-empty padding on the left leaves the answer unchanged.
        const std::string padded = std::string(padding, '.') + shortLine;
        EXPECT_EQ(solveLine(solver, clues, padded), std::string(padding, '.') + shortAnswer)
            << padding;
        const std::string openEnd = shortLine + std::string(padding, '.');
        EXPECT_EQ(solveLine(solver, clues, openEnd), shortAnswer + std::string(padding, '.'))
            << padding;
    }
    EXPECT_EQ(solveLine(solver, { 129 }, std::string(130, '?')), "?" + std::string(128, '#') + "?");
    EXPECT_EQ(solveLine(solver, { 1, 1 }, "???"), "#.#");
}

// A line and its mirror image have mirrored answers; long random lines
// cross several word boundaries, where shifts and carries go wrong first.
TEST(LineSolver, MirroredLongLinesGiveMirroredAnswers)
{
    LineSolver solver;
    std::mt19937 random(64);
    for (int round = 0; round < 400; ++round) {
        const int length = 60 + static_cast<int>(random() % 140);
        std::string picture(length, '.');
        for (char &cell : picture)
            if (random() % 5 < 3)
                cell = '#';
        std::vector<int> clues;
        int run = 0;
        for (int i = 0; i <= length; ++i) {
            if (i < length && picture[i] == '#') {
                ++run;
            } else if (run > 0) {
                clues.push_back(run);
                run = 0;
            }
        }
        std::string known(length, '?');
        for (int i = 0; i < length; ++i)
            if (random() % 4 == 0)
                known[i] = picture[i];
        const std::string answer = solveLine(solver, clues, known);
        ASSERT_FALSE(answer.empty()) << known; // the picture itself fits
        for (int i = 0; i < length; ++i)
            ASSERT_TRUE(answer[i] == '?' || answer[i] == picture[i]) << known;
        const std::vector<int> mirroredClues(clues.rbegin(), clues.rend());
        const std::string mirrored(answer.rbegin(), answer.rend());
        ASSERT_EQ(solveLine(solver, mirroredClues, std::string(known.rbegin(), known.rend())),
                  mirrored);
    }
}

} // namespace
