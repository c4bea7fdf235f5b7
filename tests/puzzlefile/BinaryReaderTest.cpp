#include "BinaryPuzzleFormat.h"
#include "CMalovanaKrizovkaFromFileBin.h"
#include "RandomPicture.h"
#include "TemporaryFile.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

std::string packed(const PuzzleClues &clues)
{
    std::string bytes;
    std::string error;
    EXPECT_TRUE(formatBinaryPuzzle(clues, bytes, error)) << error;
    return bytes;
}

std::string header(int32_t rows, int32_t columns)
{
    std::string bytes;
    for (int32_t value : { rows, columns })
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

TEST(BinaryFormat, PacksTheExampleByteForByte)
{
    // Rows "##.##", "#...#": records of 5 bytes, one byte per clue, 0-padded.
    const PuzzleClues clues = PuzzleClues::fromPicture({ "##.##", "#...#" });
    const std::string expected = header(2, 5) + std::string("\2\2\0\0\0\1\1\0\0\0", 10) + '\0'
        + std::string("\2\0\0\0\0\1\0\0\0\0\0\0\0\0\0\1\0\0\0\0\2\0\0\0\0", 25);
    EXPECT_EQ(packed(clues), expected);
}

TEST(BinaryFormat, RoundTripsRandomPicturesAndLongClues)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int rows = 1 + static_cast<int>(random() % 12);
        const int columns = 1 + static_cast<int>(random() % 12);
        const PuzzleClues clues
            = PuzzleClues::fromPicture(randomPicture(rows, columns, 0.5, random));
        std::string bytes;
        std::string error;
        if (!formatBinaryPuzzle(clues, bytes, error))
            continue; // a column list longer than its record: refused, not garbled
        PuzzleClues back;
        ASSERT_FALSE(parseBinaryPuzzle(bytes, back).failed());
        EXPECT_EQ(back.rowClues, clues.rowClues);
        EXPECT_EQ(back.columnClues, clues.columnClues);
    }
    // Clues of 128 and more take two bytes.
    std::vector<std::string> picture(1, std::string(300, '#'));
    picture[0][200] = '.';
    const PuzzleClues wide = PuzzleClues::fromPicture(picture);
    PuzzleClues back;
    ASSERT_FALSE(parseBinaryPuzzle(packed(wide), back).failed());
    EXPECT_EQ(back.rowClues, (std::vector<std::vector<int>> { { 200, 99 } }));
}

TEST(BinaryFormat, WriterRefusesWhatTheFormatCannotHold)
{
    std::string bytes;
    std::string error;
    // One column of three rows "#.#": the column list 1 1 needs 2 bytes, its record has 1.
    EXPECT_FALSE(formatBinaryPuzzle(PuzzleClues::fromPicture({ "#", ".", "#" }), bytes, error));
    EXPECT_NE(error.find("column 1"), std::string::npos) << error;
    PuzzleClues tooWide;
    tooWide.columns = 1025;
    EXPECT_FALSE(formatBinaryPuzzle(tooWide, bytes, error));
    EXPECT_NE(error.find("1024"), std::string::npos) << error;
}

struct MalformedCase
{
    const char *name;
    std::string bytes;
    const char *words;
};

TEST(BinaryFormat, RejectsMalformedFiles)
{
    const std::string twoByTwo = packed(PuzzleClues::fromPicture({ "#.", ".#" }));
    const MalformedCase cases[] = {
        { "shorter than the counts", std::string("\1\0\0", 3), "counts" },
        { "negative rows", header(-1, 2), "row count -1" },
        { "rows above 32767", header(32768, 2), "row count 32768" },
        { "more than 1024 columns", header(1, 1025), "column count 1025" },
        { "shorter than its records", twoByTwo.substr(0, twoByTwo.size() - 1), "ends early" },
        { "huge counts in a tiny file", header(32767, 1024), "ends early" },
        { "two-byte clue cut off", header(1, 1) + "\x81" + '\0' + '\1', "cut off" },
        { "two-byte clue of 0",
          header(1, 2) + std::string("\x80\0", 2) + '\0' + std::string("\1\0\1\0", 4), "clue 0" },
    };
    for (const MalformedCase &test : cases) {
        PuzzleClues clues;
        clues.rows = 99;
        const ParseError error = parseBinaryPuzzle(test.bytes, clues);
        ASSERT_TRUE(error.failed()) << test.name;
        EXPECT_NE(error.message.find(test.words), std::string::npos)
            << test.name << ": " << error.message;
        EXPECT_EQ(clues.rows, 99) << test.name;
    }
}

TEST(BinaryReader, LoadsWithoutTouchingThePathAndKeepsTheModelOnFailure)
{
    TemporaryFile text("1 2\n1\n\n1\n0\n");
    TemporaryFile good(packed(PuzzleClues::fromPicture({ "#.", ".#", "##" })), ".zdb");
    TemporaryFile bad(header(2, 2), ".zdb");
    CMalovanaKrizovkaFromFileBin model;
    model.CMalovanaKrizovkaFromFile::load(text.path().c_str());
    EXPECT_EQ(model.load(good.path().c_str()), 0);
    EXPECT_EQ(model.lastError(), "");
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(std::string(model.filePath()), text.path());

    EXPECT_EQ(model.load(bad.path().c_str()), 0);
    EXPECT_NE(model.lastError().find(bad.path() + ": byte"), std::string::npos)
        << model.lastError();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(PuzzleClues::fromModel(model).columnClues,
              (std::vector<std::vector<int>> { { 1, 1 }, { 2 } }));

    EXPECT_EQ(model.load((good.path() + ".missing").c_str()), 0);
    EXPECT_EQ(model.rowCount(), 3);
}

TEST(BinaryReader, ZeroByZeroFileIsTheEmptyPuzzle)
{
    TemporaryFile empty(header(0, 0) + '\0', ".zdb");
    CMalovanaKrizovkaFromFileBin model;
    model.setSize(2, 2);
    EXPECT_EQ(model.load(empty.path().c_str()), 0);
    EXPECT_EQ(model.lastError(), "");
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
}

} // namespace
