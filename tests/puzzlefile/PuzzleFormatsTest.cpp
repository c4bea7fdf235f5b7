#include "PuzzleFormats.h"

#include "NinPuzzleFormat.h"
#include "RandomPicture.h"
#include "TemporaryFile.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

TEST(PuzzleFormats, TellsTheFormatByExtensionWithoutRegardToCase)
{
    EXPECT_EQ(puzzleFormatOfPath("a/b.zd"), PuzzleFormat::Text);
    EXPECT_EQ(puzzleFormatOfPath("b.ZDB"), PuzzleFormat::Binary);
    EXPECT_EQ(puzzleFormatOfPath("dir.v2/c.non"), PuzzleFormat::Non);
    EXPECT_EQ(puzzleFormatOfPath("c.Nin"), PuzzleFormat::Nin);
    EXPECT_EQ(puzzleFormatOfPath("t.tcga"), PuzzleFormat::Tournament);
    EXPECT_FALSE(puzzleFormatOfPath("README.md"));
    EXPECT_FALSE(puzzleFormatOfPath("zd"));
    EXPECT_FALSE(puzzleFormatOfPath("dir.zd/noextension"));
    EXPECT_FALSE(puzzleFormatNamed("txt"));
}

struct FileMessageCase
{
    PuzzleFormat format;
    const char *content;
    const char *suffix; // what follows the path in the message
};

TEST(PuzzleFormats, MessagesNameTheFileAndTheLine)
{
    const FileMessageCase cases[] = {
        { PuzzleFormat::Text, "1 1\nx\n", ":2: clue line of row 1 holds 'x'" },
        { PuzzleFormat::Non, "width 1\nheight 1\nrows\n?\n", ":4: clue line of row 1 holds '?'" },
        { PuzzleFormat::Nin, "1 1\n1\n", ":3: file ends before the clue line of column 1" },
        { PuzzleFormat::Binary, "\x01", ": byte 1: file ends before the row and column counts" },
    };
    for (const FileMessageCase &test : cases) {
        const TemporaryFile file(test.content, std::string(".") + puzzleFormatName(test.format));
        const std::vector<PuzzleEntry> entries = readPuzzleFile(file.path(), test.format);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].name, file.path());
        EXPECT_EQ(entries[0].error.rfind(file.path() + test.suffix, 0), 0u) << entries[0].error;
    }
}

TEST(PuzzleFormats, BatchEntriesAreNamedByTheirPuzzleNumber)
{
    std::string batch = "$7\n";
    for (int i = 0; i < 50; ++i)
        batch += "25\n";
    batch += "$8\nbroken\n";
    const TemporaryFile file(batch, ".tcga");
    const std::vector<PuzzleEntry> entries = readPuzzleFile(file.path(), PuzzleFormat::Tournament);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, file.path() + "#7");
    EXPECT_FALSE(entries[0].failed()) << entries[0].error;
    EXPECT_EQ(entries[1].name, file.path() + "#8");
    EXPECT_EQ(entries[1].error.rfind(file.path() + ":53: ", 0), 0u) << entries[1].error;
}

TEST(PuzzleFormats, MissingFileIsOneFailedEntry)
{
    const std::vector<PuzzleEntry> entries
        = readPuzzleFile("no-such-folder/none.zd", PuzzleFormat::Text);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NE(entries[0].error.find("no-such-folder/none.zd: cannot open"), std::string::npos);
}

// Writes the entry in `format` and reads it back.
PuzzleEntry throughFormat(const PuzzleEntry &entry, PuzzleFormat format)
{
    std::string content;
    std::string error;
    EXPECT_TRUE(writePuzzleContent(entry, format, content, error)) << error;
    const std::vector<PuzzleEntry> back = parsePuzzleContent(content, format, "again");
    EXPECT_EQ(back.size(), 1u);
    return back.empty() ? PuzzleEntry {} : back[0];
}

TEST(PuzzleFormats, ConversionRoundTripsKeepEveryClue)
{
    std::mt19937 random(3);
    for (int trial = 0; trial < 40; ++trial) {
        // No more rows than columns: the binary format has only as many bytes
        // for a column's clues as there are columns.
        const int columns = std::uniform_int_distribution<int>(1, 30)(random);
        const int rows = std::uniform_int_distribution<int>(1, columns)(random);
        PuzzleEntry entry;
        entry.clues = PuzzleClues::fromPicture(randomPicture(rows, columns, 0.55, random));
        for (PuzzleFormat format :
             { PuzzleFormat::Text, PuzzleFormat::Non, PuzzleFormat::Binary }) {
            const PuzzleEntry back = throughFormat(entry, format);
            ASSERT_FALSE(back.failed()) << puzzleFormatName(format) << ": " << back.error;
            EXPECT_EQ(back.clues.rows, entry.clues.rows);
            EXPECT_EQ(back.clues.rowClues, entry.clues.rowClues) << puzzleFormatName(format);
            EXPECT_EQ(back.clues.columnClues, entry.clues.columnClues) << puzzleFormatName(format);
        }
    }
}

TEST(PuzzleFormats, NonGoalSurvivesConversionToNon)
{
    PuzzleEntry entry;
    entry.goal = { "#.#", "###" };
    entry.clues = PuzzleClues::fromPicture(entry.goal);
    EXPECT_EQ(throughFormat(entry, PuzzleFormat::Non).goal, entry.goal);
}

TEST(PuzzleFormats, RefusesToWriteFormatsItCannotHold)
{
    PuzzleEntry entry;
    entry.clues = PuzzleClues::fromPicture({ "#" });
    std::string content;
    std::string error;
    EXPECT_FALSE(writePuzzleContent(entry, PuzzleFormat::Tournament, content, error));
    EXPECT_FALSE(error.empty());
    PuzzleEntry empty;
    EXPECT_FALSE(writePuzzleContent(empty, PuzzleFormat::Non, content, error));
}

// Damaged copies of good files: every reader must end with either clues or a
// message saying where, never a crash, hang or out-of-bounds read (the
// sanitizer build checks the last).
TEST(PuzzleFormats, DamagedFilesNeverCrashAReader)
{
    const std::pair<PuzzleFormat, std::string> seeds[] = {
        { PuzzleFormat::Text, "2 3\n1 1\n3\n\n2\n1\n2\n" },
        { PuzzleFormat::Non, "width 3\nheight 2\nrows\n1,1\n3\ncolumns\n2\n1\n2\ngoal 101111\n" },
        { PuzzleFormat::Nin, "3 2\n1 1\n3\n2\n1\n2\n" },
        { PuzzleFormat::Tournament, "$1\n" + std::string(50, '\n') },
        { PuzzleFormat::Binary,
          std::string("\x02\0\0\0\x03\0\0\0\x01\x01\0\x03\0\0\0\x02\0\0\x01\0\0\x02\0\0", 24) },
    };
    const char pieces[]
        = { '0', '1', '9', ' ', '\t', ',', '\n', '\r', '$', '#', '"', 'a', '\0', '\x80', '\xff' };
    std::mt19937 random(5);
    for (const auto &[format, seed] : seeds) {
        ASSERT_FALSE(parsePuzzleContent(seed, format, "f")[0].failed()) << puzzleFormatName(format);
        for (int trial = 0; trial < 300; ++trial) {
            std::string damaged = seed;
            std::uniform_int_distribution<int> edits(1, 4);
            for (int e = edits(random); e > 0 && !damaged.empty(); --e) {
                const size_t at
                    = std::uniform_int_distribution<size_t>(0, damaged.size() - 1)(random);
                const char piece
                    = pieces[std::uniform_int_distribution<size_t>(0, sizeof pieces - 1)(random)];
                switch (random() % 3) {
                case 0:
                    damaged[at] = piece;
                    break;
                case 1:
                    damaged.insert(at, 1, piece);
                    break;
                default:
                    damaged.erase(at, 1);
                    break;
                }
            }
            for (const PuzzleEntry &entry : parsePuzzleContent(damaged, format, "f")) {
                if (entry.failed()) {
                    EXPECT_EQ(entry.error.rfind("f:", 0), 0u) << entry.error;
                    continue;
                }
                EXPECT_EQ(entry.clues.rowClues.size(), static_cast<size_t>(entry.clues.rows));
                EXPECT_EQ(entry.clues.columnClues.size(), static_cast<size_t>(entry.clues.columns));
            }
        }
    }
}

} // namespace
