#include "LineSolver.h"

#include "CMalovanaKrizovka.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Lines as pictures: '#' filled, '.' empty, '?' unknown.
std::vector<uint8_t> cellsOf(const std::string &picture)
{
    std::vector<uint8_t> cells;
    for (char c : picture)
        cells.push_back(c == '#' ? CellFilled : c == '.' ? CellEmpty : CellUnknown);
    return cells;
}

std::string pictureOf(const std::vector<uint8_t> &cells)
{
    std::string picture;
    for (uint8_t cell : cells)
        picture += cell == CellFilled ? '#' : cell == CellEmpty ? '.' : '?';
    return picture;
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
std::string solveLine(const std::vector<int> &clues, const std::string &known)
{
    LineSolver solver;
    std::vector<uint8_t> cells = cellsOf(known);
    std::vector<uint8_t> decided(cells.size());
    if (!solver.solve(clues.data(), static_cast<int>(clues.size()), cells.data(),
                      static_cast<int>(cells.size()), decided.data()))
        return "";
    return pictureOf(decided);
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

// Every line of up to 12 cells: random clues (from a random line, or made
// up) and random known cells, compared with the agreement of all fitting
// lines found by enumeration.
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
        }
    }
}

TEST(LineSolver, ReusedScratchGivesTheSameAnswerForShortLineAfterLongOne)
{
    LineSolver solver;
    const std::vector<int> longClues = { 3, 1, 4, 1, 5 };
    std::vector<uint8_t> longLine = cellsOf(std::string(30, '?'));
    std::vector<uint8_t> decided(30);
    ASSERT_TRUE(solver.solve(longClues.data(), 5, longLine.data(), 30, decided.data()));
    const std::vector<int> shortClues = { 2, 1 };
    std::vector<uint8_t> shortLine = cellsOf("????");
    ASSERT_TRUE(solver.solve(shortClues.data(), 2, shortLine.data(), 4, decided.data()));
    decided.resize(4);
    EXPECT_EQ(pictureOf(decided), "##.#");
}

} // namespace
