#include "CMalovanaKrizovkaFromFile.h"
#include "PuzzleClues.h"
#include "TemporaryFile.h"
#include "TextPuzzleFormat.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

using Lists = std::vector<std::vector<int>>;

// The four-by-five example: rows "##.##", "#...#", "#####", "..#..".
const char *const example = "4 5\n2 2\n1 1\n5\n1\n\n3\n1 1\n2\n1 1\n3\n";

void expectClues(const CMalovanaKrizovka &model, const Lists &rows, const Lists &columns)
{
    const PuzzleClues clues = PuzzleClues::fromModel(model);
    EXPECT_EQ(clues.rowClues, rows);
    EXPECT_EQ(clues.columnClues, columns);
}

TEST(TextReader, ReadsTheExampleIntoAFreshModel)
{
    TemporaryFile file(example);
    CMalovanaKrizovkaFromFile model;
    EXPECT_EQ(model.load(file.path().c_str()), 0);
    EXPECT_EQ(model.lastError(), "");
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 5);
    expectClues(model, { { 2, 2 }, { 1, 1 }, { 5 }, { 1 } },
                { { 3 }, { 1, 1 }, { 2 }, { 1, 1 }, { 3 } });
    for (int16_t r = 0; r < 4; ++r)
        for (int16_t c = 0; c < 5; ++c)
            EXPECT_EQ(model.cell(r, c), CellUnknown);
    EXPECT_EQ(std::string(model.filePath()), file.path());
}

struct LenientCase
{
    const char *name;
    const char *content;
    Lists rows;
    Lists columns;
};

TEST(TextReader, AcceptsFilesWhoseMeaningIsPlain)
{
    const LenientCase cases[] = {
        { "CRLF line ends", "2 2\r\n1\r\n1\r\n\r\n1\r\n1\r\n", { { 1 }, { 1 } }, { { 1 }, { 1 } } },
        { "no final line feed", "2 2\n1\n1\n\n1\n1", { { 1 }, { 1 } }, { { 1 }, { 1 } } },
        { "blanks, tabs and leading zeros",
          "2 3\n  1\t  1  \n03 \n--\n1\n07\n\t1\n",
          { { 1, 1 }, { 3 } },
          { { 1 }, { 7 }, { 1 } } },
        { "text after the counts and on the separator",
          "1 3 my puzzle\n12 3\nseparator text\n0\n0\n0\n",
          { { 12, 3 } },
          { { 0 }, { 0 }, { 0 } } },
        { "empty and blank clue lines read as 0",
          "2 1\n\n   \n\n0\n",
          { { 0 }, { 0 } },
          { { 0 } } },
        { "extra lines after the last column",
          "1 1\n1\n\n1\nnot a clue line\n",
          { { 1 } },
          { { 1 } } },
        { "counts on two lines", "1\n1\n1\n\n1\n", { { 1 } }, { { 1 } } },
    };
    for (const LenientCase &test : cases) {
        PuzzleClues clues;
        const ParseError error = parseTextPuzzle(test.content, clues);
        EXPECT_FALSE(error.failed()) << test.name << ": " << error.message;
        EXPECT_EQ(clues.rowClues, test.rows) << test.name;
        EXPECT_EQ(clues.columnClues, test.columns) << test.name;
    }
}

TEST(TextReader, ReadsLinesLongerThanAnyFixedBuffer)
{
    // 1500 columns: the row line "1 1 1 ... 1" is almost 1500 characters long.
    std::string content = "1 1500\n";
    Lists columns;
    for (int c = 0; c < 1500; ++c) {
        content += c % 2 == 0 ? "1 " : "";
        columns.push_back({ c % 2 == 0 ? 1 : 0 });
    }
    content += "\n\n";
    for (int c = 0; c < 1500; ++c)
        content += c % 2 == 0 ? "1\n" : "0\n";
    PuzzleClues clues;
    ASSERT_FALSE(parseTextPuzzle(content, clues).failed());
    ASSERT_EQ(clues.rowClues.size(), 1u);
    EXPECT_EQ(clues.rowClues[0], std::vector<int>(750, 1));
    EXPECT_EQ(clues.columnClues, columns);
}

struct MalformedCase
{
    const char *name;
    const char *content;
    int line;
    const char *words; // part of the message
};

TEST(TextReader, RejectsMalformedFilesNamingTheLine)
{
    const MalformedCase cases[] = {
        { "no counts", "rows 4 5\n", 1, "two numbers" },
        { "one count", "4\n", 2, "counts" },
        { "count with a letter", "4x 5\n", 1, "two numbers" },
        { "negative count", "-1 5\n", 1, "between 0 and 32767" },
        { "count too large", "32768 1\n", 1, "larger than 32767" },
        { "sign in a clue", "1 1\n+1\n\n1\n", 2, "'+'" },
        { "letter in a clue", "1 2\n1 a\n\n1\n0\n", 2, "'a'" },
        { "comma between clues", "1 3\n1,1\n\n1\n0\n1\n", 2, "','" },
        { "clue too large", "1 1\n32768\n\n1\n", 2, "larger than 32767" },
        { "huge clue does not overflow", "1 1\n99999999999999999999\n\n1\n", 2,
          "larger than 32767" },
        { "zero beside other clues", "1 5\n1 0 1\n\n1\n0\n1\n", 2, "0 beside" },
        { "more clues than the row holds", "1 3\n1 1 1\n\n1\n0\n1\n", 2,
          "more than 2 clues, more than a line of 3 cells" },
        { "more clues than the column holds", "2 1\n1\n1\n\n1 1\n", 5, "more than 1 clue," },
        { "ends in the rows", "3 1\n1\n", 3, "row 2" },
        { "ends before the separator", "1 1\n1", 3, "separator" },
        { "ends before the last column", "1 2\n1\n\n1\n", 5, "column 2" },
        { "empty file", "", 1, "counts" },
    };
    for (const MalformedCase &test : cases) {
        PuzzleClues clues;
        clues.rows = 99; // must survive a failed parse
        const ParseError error = parseTextPuzzle(test.content, clues);
        ASSERT_TRUE(error.failed()) << test.name;
        EXPECT_EQ(error.line, test.line) << test.name << ": " << error.message;
        EXPECT_NE(error.message.find(test.words), std::string::npos)
            << test.name << ": " << error.message;
        EXPECT_EQ(clues.rows, 99) << test.name;
    }
}

TEST(TextReader, MalformedFileLeavesTheModelAsItWas)
{
    TemporaryFile good(example);
    TemporaryFile bad("2 2\n1\nx\n\n1\n1\n");
    CMalovanaKrizovkaFromFile model;
    model.load(good.path().c_str());
    EXPECT_EQ(model.load(bad.path().c_str()), 0);
    EXPECT_EQ(model.lastError(),
              bad.path()
                  + ":3: clue line of row 2 holds 'x' at column 1; "
                    "only digits and blanks are allowed");
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 5);
    expectClues(model, { { 2, 2 }, { 1, 1 }, { 5 }, { 1 } },
                { { 3 }, { 1, 1 }, { 2 }, { 1, 1 }, { 3 } });
    EXPECT_EQ(std::string(model.filePath()), good.path());
}

TEST(TextReader, MissingFileLeavesTheModelAsItWas)
{
    TemporaryFile good(example);
    CMalovanaKrizovkaFromFile model;
    model.load(good.path().c_str());
    const std::string missing = good.path() + ".missing";
    EXPECT_EQ(model.load(missing.c_str()), 0);
    EXPECT_NE(model.lastError().find(missing + ": cannot open"), std::string::npos);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(std::string(model.filePath()), good.path());
}

TEST(TextReader, SecondLoadReplacesTheFirstPuzzleCompletely)
{
    TemporaryFile first(example);
    TemporaryFile second("1 2\n2\n\n1\n1\n");
    CMalovanaKrizovkaFromFile model;
    model.load(first.path().c_str());
    model.load(second.path().c_str());
    EXPECT_EQ(model.lastError(), "");
    expectClues(model, { { 2 } }, { { 1 }, { 1 } });
    EXPECT_EQ(std::string(model.filePath()), second.path());
}

TEST(TextReader, TinyFileAnnouncingAHugePuzzleIsRejectedCheaply)
{
    // Nothing may be sized from the counts before the lines are there.
    PuzzleClues clues;
    const ParseError error = parseTextPuzzle("32767 32767\n1\n", clues);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.line, 3);
}

TEST(TextReader, ModelThatKeepsNoPathLeavesFilePathEmpty)
{
    TemporaryFile file(example);
    CMalovanaKrizovkaFromFile model;
    model.setKeepsPath(false);
    model.load(file.path().c_str());
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_STREQ(model.filePath(), "");
}

TEST(TextWriter, WritesWhatTheReaderReadsBack)
{
    const PuzzleClues picture = PuzzleClues::fromPicture({ "##.##", "#...#", "#####", "..#.." });
    const std::string text = formatTextPuzzle(picture);
    EXPECT_EQ(text, example);
    PuzzleClues back;
    ASSERT_FALSE(parseTextPuzzle(text, back).failed());
    EXPECT_EQ(back.rowClues, picture.rowClues);
    EXPECT_EQ(back.columnClues, picture.columnClues);
}

} // namespace
