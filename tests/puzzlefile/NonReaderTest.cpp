#include "NonPuzzleFormat.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

using Lists = std::vector<std::vector<int>>;

// The picture "##.##" / "#...#" / "#####" / "..#.." with the keywords such
// files carry besides the clues.
const char *const example = "catalogue \"test #1\"\n"
                            "title \"Four by five\"\n"
                            "by \"Someone\"\n"
                            "copyright \"none\"\n"
                            "# a comment\n"
                            "width 5\n"
                            "height 4\n"
                            "\n"
                            "rows\n"
                            "2,2\n"
                            "1,1\n"
                            "5\n"
                            "1\n"
                            "\n"
                            "columns\n"
                            "3\n"
                            "1,1\n"
                            "2\n"
                            "1,1\n"
                            "3\n"
                            "goal \"11011100011111100100\"\n";

TEST(NonReader, ReadsCluesAndGoalAndIgnoresOtherKeywords)
{
    NonPuzzle puzzle;
    const ParseError error = parseNonPuzzle(example, puzzle);
    ASSERT_FALSE(error.failed()) << error.message;
    EXPECT_EQ(puzzle.clues.rows, 4);
    EXPECT_EQ(puzzle.clues.columns, 5);
    EXPECT_EQ(puzzle.clues.rowClues, (Lists { { 2, 2 }, { 1, 1 }, { 5 }, { 1 } }));
    EXPECT_EQ(puzzle.clues.columnClues, (Lists { { 3 }, { 1, 1 }, { 2 }, { 1, 1 }, { 3 } }));
    EXPECT_EQ(puzzle.goal, (std::vector<std::string> { "##.##", "#...#", "#####", "..#.." }));
}

TEST(NonReader, AcceptsSectionsInAnyOrderWithBlanksAndCapitals)
{
    // Columns before rows, size at the end, CRLF, blanks as separators, an
    // unquoted goal and keywords in capitals.
    const char *content = "COLUMNS\r\n1\r\n0\r\n\r\nRows\r\n 1 \r\n0\r\n"
                          "goal 1000\r\nheight 2\r\nWidth 2\r\n";
    NonPuzzle puzzle;
    const ParseError error = parseNonPuzzle(content, puzzle);
    ASSERT_FALSE(error.failed()) << error.message;
    EXPECT_EQ(puzzle.clues.rowClues, (Lists { { 1 }, { 0 } }));
    EXPECT_EQ(puzzle.clues.columnClues, (Lists { { 1 }, { 0 } }));
    EXPECT_EQ(puzzle.goal, (std::vector<std::string> { "#.", ".." }));
}

struct BadNonCase
{
    const char *name;
    const char *content;
    int line;
    const char *words;
};

TEST(NonReader, RejectsMalformedFilesNamingTheLineAndKeepsThePuzzle)
{
    const BadNonCase cases[] = {
        { "no width", "height 1\nrows\n1\ncolumns\n1\n", 5, "no 'width'" },
        { "no columns", "width 1\nheight 1\nrows\n1\n", 4, "no 'columns'" },
        { "width zero", "width 0\n", 1, "width must be" },
        { "width too large", "width 40000\n", 1, "width must be" },
        { "width twice", "width 1\nwidth 2\n", 2, "second 'width'" },
        { "fewer rows than the height", "width 1\nheight 2\nrows\n1\ncolumns\n1\n", 3,
          "has 1 clue lines but height is 2" },
        { "more columns than the width", "width 1\nheight 1\nrows\n1\ncolumns\n1\n0\n", 5,
          "has 2 clue lines but width is 1" },
        { "clue before any section", "width 1\nheight 1\n1\n", 3, "outside" },
        { "clue after a title", "rows\n1\ntitle \"x\"\n1\n", 4, "outside" },
        { "two rows sections", "rows\n1\nrows\n", 3, "second 'rows'" },
        { "colour clue", "width 1\nheight 1\nrows\n1a\n", 4, "'a'" },
        { "trailing comma", "rows\n1,\n", 2, "ends with a comma" },
        { "double comma", "rows\n1,,2\n", 2, "','" },
        { "zero beside others", "rows\n1,0\n", 2, "0 beside" },
        { "goal too short", "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal \"1\"\n", 8,
          "goal has 1 cells" },
        { "goal with other digits", "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal 12\n", 8,
          "only the digits" },
        { "goal against the clues", "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal 01\n", 8,
          "does not agree" },
        { "empty file", "", 1, "no 'width'" },
    };
    for (const BadNonCase &test : cases) {
        NonPuzzle puzzle;
        puzzle.clues.rows = 99; // must survive a failed parse
        puzzle.goal = { "kept" };
        const ParseError error = parseNonPuzzle(test.content, puzzle);
        ASSERT_TRUE(error.failed()) << test.name;
        EXPECT_EQ(error.line, test.line) << test.name << ": " << error.message;
        EXPECT_NE(error.message.find(test.words), std::string::npos)
            << test.name << ": " << error.message;
        EXPECT_EQ(error.message.rfind("line " + std::to_string(test.line) + ": ", 0), 0u)
            << test.name << ": " << error.message;
        EXPECT_EQ(puzzle.clues.rows, 99) << test.name;
        EXPECT_EQ(puzzle.goal, std::vector<std::string> { "kept" }) << test.name;
    }
}

TEST(NonReader, WrittenFileReadsBackWithItsGoal)
{
    NonPuzzle original;
    ASSERT_FALSE(parseNonPuzzle(example, original).failed());
    NonPuzzle again;
    const std::string written = formatNonPuzzle(original.clues, original.goal);
    ASSERT_FALSE(parseNonPuzzle(written, again).failed()) << written;
    EXPECT_EQ(again.clues.rowClues, original.clues.rowClues);
    EXPECT_EQ(again.clues.columnClues, original.clues.columnClues);
    EXPECT_EQ(again.goal, original.goal);
}

} // namespace
