#include "RandomPicture.h"
#include "TournamentPuzzleFormat.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

std::string clueLine(const std::vector<int> &clues)
{
    std::string line;
    for (size_t i = 0; i < clues.size(); ++i)
        line += (i > 0 ? "\t" : "") + std::to_string(clues[i]);
    return line + "\n";
}

// A puzzle in the tournament layout: its '$' line, columns first, then rows.
std::string tournamentText(int number, const PuzzleClues &clues)
{
    std::string text = "$" + std::to_string(number) + "\n";
    for (const std::vector<int> &column : clues.columnClues)
        text += clueLine(column);
    for (const std::vector<int> &row : clues.rowClues)
        text += clueLine(row);
    return text;
}

PuzzleClues randomClues(std::mt19937 &random)
{
    return PuzzleClues::fromPicture(randomPicture(tournamentSize, tournamentSize, 0.5, random));
}

TEST(TournamentReader, ReadsColumnsFirstThenRowsForEveryPuzzle)
{
    std::mt19937 random(7);
    const PuzzleClues first = randomClues(random);
    const PuzzleClues second = randomClues(random);
    const std::string content = tournamentText(1, first) + "\n" + tournamentText(2, second);
    const std::vector<TournamentPuzzle> puzzles = parseTournamentPuzzles(content);
    ASSERT_EQ(puzzles.size(), 2u);
    EXPECT_EQ(puzzles[0].number, 1);
    EXPECT_EQ(puzzles[1].number, 2);
    for (size_t i = 0; i < 2; ++i) {
        const PuzzleClues &expected = i == 0 ? first : second;
        ASSERT_FALSE(puzzles[i].error.failed()) << puzzles[i].error.message;
        EXPECT_EQ(puzzles[i].clues.rows, 25);
        EXPECT_EQ(puzzles[i].clues.columns, 25);
        EXPECT_EQ(puzzles[i].clues.rowClues, expected.rowClues);
        EXPECT_EQ(puzzles[i].clues.columnClues, expected.columnClues);
    }
}

TEST(TournamentReader, BrokenPuzzleDoesNotSpoilTheOthers)
{
    std::mt19937 random(11);
    const PuzzleClues good = randomClues(random);
    std::string broken = tournamentText(2, good);
    broken.replace(broken.find('\n') + 1, 1, "x"); // first column line of $2 (line 53)
    std::string shortPuzzle = "$3\n1\n1\n"; // the next '$' comes after two lines
    const std::string content
        = tournamentText(1, good) + broken + shortPuzzle + tournamentText(4, good);
    const std::vector<TournamentPuzzle> puzzles = parseTournamentPuzzles(content);
    ASSERT_EQ(puzzles.size(), 4u);
    EXPECT_FALSE(puzzles[0].error.failed());
    EXPECT_TRUE(puzzles[1].error.failed());
    EXPECT_EQ(puzzles[1].number, 2);
    EXPECT_EQ(puzzles[1].error.line, 53) << puzzles[1].error.message;
    EXPECT_NE(puzzles[1].error.message.find("column 1"), std::string::npos);
    EXPECT_TRUE(puzzles[1].clues.rowClues.empty()) << "nothing half-read";
    EXPECT_TRUE(puzzles[2].error.failed());
    EXPECT_EQ(puzzles[2].number, 3);
    EXPECT_EQ(puzzles[2].error.line, 106) << puzzles[2].error.message;
    EXPECT_NE(puzzles[2].error.message.find("next puzzle starts"), std::string::npos);
    ASSERT_FALSE(puzzles[3].error.failed()) << puzzles[3].error.message;
    EXPECT_EQ(puzzles[3].number, 4);
    EXPECT_EQ(puzzles[3].clues.rowClues, good.rowClues);
}

struct BadBatchCase
{
    const char *name;
    const char *content;
    int line;
    const char *words;
};

TEST(TournamentReader, ReportsFilesWithoutReadablePuzzles)
{
    const BadBatchCase cases[] = {
        { "empty file", "", 1, "no puzzle" },
        { "blank lines only", "\n \n", 1, "no puzzle" },
        { "text before the first puzzle", "25 25\n", 1, "expected a line '$N'" },
        { "no number", "$x\n", 1, "'$' and its number" },
        { "file ends in the columns", "$1\n1\n", 3, "column 2" },
    };
    for (const BadBatchCase &test : cases) {
        const std::vector<TournamentPuzzle> puzzles = parseTournamentPuzzles(test.content);
        ASSERT_EQ(puzzles.size(), 1u) << test.name;
        ASSERT_TRUE(puzzles[0].error.failed()) << test.name;
        EXPECT_EQ(puzzles[0].error.line, test.line)
            << test.name << ": " << puzzles[0].error.message;
        EXPECT_NE(puzzles[0].error.message.find(test.words), std::string::npos)
            << test.name << ": " << puzzles[0].error.message;
    }
}

} // namespace
