#include "NinPuzzleFormat.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

using Lists = std::vector<std::vector<int>>;

TEST(NinReader, ReadsWidthFirstThenRowsThenColumns)
{
    // "##.##" / "#...#" / "#####" / "..#..": 5 wide, 4 high.
    const char *content = "5 4\n2 2\n1 1\n5\n1\n3\n1 1\n2\n1 1\n3\n";
    PuzzleClues clues;
    const ParseError error = parseNinPuzzle(content, clues);
    ASSERT_FALSE(error.failed()) << error.message;
    EXPECT_EQ(clues.rows, 4);
    EXPECT_EQ(clues.columns, 5);
    EXPECT_EQ(clues.rowClues, (Lists { { 2, 2 }, { 1, 1 }, { 5 }, { 1 } }));
    EXPECT_EQ(clues.columnClues, (Lists { { 3 }, { 1, 1 }, { 2 }, { 1, 1 }, { 3 } }));
}

TEST(NinReader, BlankLinesAreEmptyLinesAndTrailingBlankLinesAreFine)
{
    const char *content = "2 2\r\n\r\n2\r\n1\r\n 1 \r\n\r\n\r\n";
    PuzzleClues clues;
    const ParseError error = parseNinPuzzle(content, clues);
    ASSERT_FALSE(error.failed()) << error.message;
    EXPECT_EQ(clues.rowClues, (Lists { { 0 }, { 2 } }));
    EXPECT_EQ(clues.columnClues, (Lists { { 1 }, { 1 } }));
}

struct BadNinCase
{
    const char *name;
    const char *content;
    int line;
    const char *words;
};

TEST(NinReader, RejectsMalformedFilesNamingTheLineAndKeepsTheClues)
{
    const BadNinCase cases[] = {
        { "empty file", "", 1, "empty" },
        { "one count", "5\n", 1, "width and the height" },
        { "letter in the counts", "5x 4\n", 1, "width and the height" },
        { "size too large", "40000 1\n", 1, "between 1 and 32767" },
        { "ends in the rows", "1 3\n1\n", 3, "row 2" },
        { "ends in the columns", "2 1\n1\n1\n", 4, "column 2" },
        { "letter in a clue", "1 1\n1\nx\n", 3, "'x'" },
        { "text after the last column", "1 1\n1\n1\n1\n", 4, "after the last column" },
        // A separator line, as in the text format, pushes the last column out.
        { "separator line", "1 1\n1\n\n1\n", 4, "after the last column" },
        { "huge size, tiny file", "32767 32767\n0\n", 3, "row 2" },
    };
    for (const BadNinCase &test : cases) {
        PuzzleClues clues;
        clues.rows = 99;
        const ParseError error = parseNinPuzzle(test.content, clues);
        ASSERT_TRUE(error.failed()) << test.name;
        EXPECT_EQ(error.line, test.line) << test.name << ": " << error.message;
        EXPECT_NE(error.message.find(test.words), std::string::npos)
            << test.name << ": " << error.message;
        EXPECT_EQ(clues.rows, 99) << test.name;
    }
}

} // namespace
