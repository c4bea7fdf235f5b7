#include "CMalovanaKrizovkaFromFile.h"
#include "PuzzleFormats.h"
#include "TournamentPuzzleFormat.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using namespace zd;

namespace {

namespace fs = std::filesystem;

// A fresh folder, removed with what it holds.
struct ScratchFolder
{
    fs::path folder
        = fs::temp_directory_path() / ("zdhostile-" + std::to_string(std::random_device {}()));
    ScratchFolder() { fs::create_directories(folder); }
    ~ScratchFolder() { fs::remove_all(folder); }
    std::string path(const std::string &name) const { return (folder / name).string(); }
    std::string write(const std::string &name, const std::string &content) const
    {
        std::ofstream(folder / name, std::ios::binary) << content;
        return path(name);
    }
};

std::string repeated(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct HostileCase
{
    const char *name;
    PuzzleFormat format;
    std::string content;
    const char *words; // part of the message
};

// Lines with more clues than their cells can hold; 65,537 and 32,768 clues
// used to wrap the model's 16-bit count into a different puzzle.
TEST(HostileInput, LinesWithMoreCluesThanCellsAreRefused)
{
    const std::string tcgaRest = repeated("0\n", 49);
    const HostileCase cases[] = {
        { "zd 65537", PuzzleFormat::Text, "1 1\n" + repeated("1 ", 65537) + "\n\n1\n",
          ":2: clue line of row 1 has more than 1 clue," },
        { "zd 32768 in a column", PuzzleFormat::Text, "1 1\n1\n\n" + repeated("1 ", 32768) + "\n",
          ":4: clue line of column 1" },
        { "nin", PuzzleFormat::Nin, "1 1\n" + repeated("1 ", 65537) + "\n1\n",
          ":2: clue line of row 1" },
        { "non", PuzzleFormat::Non,
          "width 1\nheight 1\nrows\n" + repeated("1,", 65536) + "1\ncolumns\n1\n",
          ":4: clue line of row 1" },
        { "non, size after the clues", PuzzleFormat::Non,
          "rows\n1,1\ncolumns\n1\n1\nwidth 2\nheight 1\n",
          ":2: clue line of row 1 has more than 1 clue, more than a line of 2 cells holds" },
        { "tcga", PuzzleFormat::Tournament, "$1\n" + repeated("1\t", 65537) + "\n" + tcgaRest,
          ":2: clue line of column 1 has more than 13 clues" },
        { "zdb", PuzzleFormat::Binary,
          std::string("\x01\0\0\0\x04\0\0\0\x01\x01\x01\0\0", 13) + std::string(16, '\0'),
          ": byte 10: clue line of row 1 has more than 2 clues" },
    };
    for (const HostileCase &test : cases) {
        const std::vector<PuzzleEntry> entries = parsePuzzleContent(test.content, test.format, "f");
        ASSERT_FALSE(entries.empty()) << test.name;
        EXPECT_EQ(entries[0].error.rfind(std::string("f") + test.words, 0), 0u)
            << test.name << ": " << entries[0].error;
    }
}

// A file of "$1" lines made one broken entry per three bytes, without end.
TEST(HostileInput, TournamentFileStopsAfterItsPuzzleLimit)
{
    const std::vector<PuzzleEntry> entries = parsePuzzleContent(
        repeated("$1\n", maxTournamentPuzzles + 100), PuzzleFormat::Tournament, "t");
    ASSERT_EQ(entries.size(), static_cast<size_t>(maxTournamentPuzzles) + 1);
    EXPECT_EQ(entries.back().error,
              "t:" + std::to_string(maxTournamentPuzzles + 1) + ": the file holds more than "
                  + std::to_string(maxTournamentPuzzles) + " puzzles; the rest is not read");
}

// Old Mac line ends (CR alone) and a UTF-8 byte-order mark read like plain LF.
TEST(HostileInput, ByteOrderMarkAndCarriageReturnLineEndsAreRead)
{
    const std::pair<PuzzleFormat, std::string> plain[] = {
        { PuzzleFormat::Text, "2 3\n1 1\n3\n\n2\n1\n2\n" },
        { PuzzleFormat::Non, "width 3\nheight 2\nrows\n1,1\n3\ncolumns\n2\n1\n2\ngoal 101111\n" },
        { PuzzleFormat::Nin, "3 2\n1 1\n3\n2\n1\n2\n" },
        { PuzzleFormat::Tournament, "$1\n" + repeated("1 1\n", 50) },
    };
    for (const auto &[format, content] : plain) {
        const PuzzleEntry expected = parsePuzzleContent(content, format, "f")[0];
        ASSERT_FALSE(expected.failed()) << expected.error;
        std::string crOnly = content;
        std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
        for (const std::string &variant : { crOnly, "\xEF\xBB\xBF" + content }) {
            const PuzzleEntry read = parsePuzzleContent(variant, format, "f")[0];
            EXPECT_FALSE(read.failed()) << puzzleFormatName(format) << ": " << read.error;
            EXPECT_EQ(read.clues.rowClues, expected.clues.rowClues) << puzzleFormatName(format);
            EXPECT_EQ(read.clues.columnClues, expected.clues.columnClues);
        }
    }
}

// A FIFO used to block the reader forever, /dev/zero to grow it without end;
// the window's loader also took any announced size.
TEST(HostileInput, ReadersRefuseWhatIsNotARegularPuzzleFile)
{
    ScratchFolder folder;
    const std::string fifo = folder.path("pipe.zd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zeros = folder.path("zeros.zd");
    fs::create_symlink("/dev/zero", zeros);
    const std::string huge = folder.write("huge.zd", "32767 32767\n" + std::string(65535, '\n'));
    const std::string good = folder.write("good.zd", "1 1\n1\n\n1\n");
    const std::pair<std::string, std::string> cases[] = {
        { fifo, fifo + ": a named pipe, not a puzzle file; it is not read" },
        { zeros, zeros + ": a character device, not a puzzle file; it is not read" },
        { huge, huge + ": the puzzle has 32767 x 32767 cells; at most 16777216 cells" },
    };
    for (const auto &[path, message] : cases) {
        if (path != huge) {
            EXPECT_EQ(readPuzzleFile(path, PuzzleFormat::Text)[0].error, message);
        }
        CMalovanaKrizovkaFromFile model;
        ASSERT_EQ(model.load(good.c_str()), 0);
        model.load(path.c_str());
        EXPECT_EQ(model.lastError().rfind(message, 0), 0u) << model.lastError();
        EXPECT_EQ(model.rowCount(), 1) << path; // the earlier puzzle stays
    }
}

} // namespace
