#include "NonPuzzleFormat.h"
#include "PuzzleClues.h"
#include "PuzzleFormats.h"
#include "TextPuzzleFormat.h"
#include "ZdsolveRun.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

// 25 x 25, row r filled from the left for r + 1 cells. Its mirror image
// (what a reader that swaps rows and columns would see) is a different
// picture, and line logic alone finishes both.
std::vector<std::string> staircase()
{
    std::vector<std::string> picture;
    for (int r = 0; r < 25; ++r)
        picture.push_back(std::string(r + 1, '#') + std::string(24 - r, '.'));
    return picture;
}

std::string joined(const std::vector<std::string> &rows)
{
    std::string text;
    for (const std::string &row : rows)
        text += row + "\n";
    return text;
}

std::string clueLine(const std::vector<int> &clues, const char *separator)
{
    std::string line;
    for (size_t i = 0; i < clues.size(); ++i)
        line += (i > 0 ? separator : "") + std::to_string(clues[i]);
    return line + "\n";
}

std::string ninText(const PuzzleClues &clues)
{
    std::string text = std::to_string(clues.columns) + " " + std::to_string(clues.rows) + "\n";
    for (const std::vector<int> &row : clues.rowClues)
        text += clueLine(row, " ");
    for (const std::vector<int> &column : clues.columnClues)
        text += clueLine(column, " ");
    return text;
}

std::string tournamentText(int number, const PuzzleClues &clues)
{
    std::string text = "$" + std::to_string(number) + "\n";
    for (const std::vector<int> &column : clues.columnClues)
        text += clueLine(column, "\t");
    for (const std::vector<int> &row : clues.rowClues)
        text += clueLine(row, "\t");
    return text;
}

// The picture as a plain PBM file, one digit a pixel.
std::string plainPbm(const std::vector<std::string> &picture)
{
    std::string text
        = "P1\n" + std::to_string(picture[0].size()) + " " + std::to_string(picture.size()) + "\n";
    for (const std::string &row : picture) {
        for (char cell : row)
            text += cell == '#' ? '1' : '0';
        text += '\n';
    }
    return text;
}

TEST(ZdsolveFormats, EveryFormatOfTheSamePuzzleGivesTheSameSolution)
{
    const PuzzleClues clues = PuzzleClues::fromPicture(staircase());
    PuzzleEntry entry;
    entry.clues = clues;
    std::string binary;
    std::string error;
    ASSERT_TRUE(writePuzzleContent(entry, PuzzleFormat::Binary, binary, error)) << error;
    TemporaryFolder folder;
    const std::string files[] = {
        folder.write("s.zd", formatTextPuzzle(clues)),
        folder.write("s.zdb", binary),
        folder.write("s.non", "title \"stairs\"\n" + formatNonPuzzle(clues)),
        folder.write("s.nin", ninText(clues)),
        folder.write("s.tcga", "$4\n" + std::string(50, '\n') + tournamentText(5, clues)),
        folder.write("s.pbm", plainPbm(staircase())),
    };
    for (const std::string &file : files) {
        const RunResult run = runZdsolveProgram({ file });
        const std::string name = file + (file.back() == 'a' ? "#5" : "");
        EXPECT_TRUE(contains(run.out, name + ": unique (grade line)")) << run.out << run.err;
        EXPECT_TRUE(contains(run.out, joined(staircase()))) << file << "\n" << run.out;
    }
}

TEST(ZdsolveFormats, FormatOptionOverridesTheExtension)
{
    const PuzzleClues clues = PuzzleClues::fromPicture({ "##.##", "#...#", "#####", "..#.." });
    TemporaryFolder folder;
    const std::string file = folder.write("puzzle.txt", ninText(clues));
    const RunResult run = runZdsolveProgram({ "--format", "nin", file });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "##.##\n#...#\n#####\n..#..\n")) << run.out;
    // Read as the text format, the same file is malformed.
    EXPECT_EQ(runZdsolveProgram({ "--format", "zd", file }).exitCode, 2);
}

TEST(ZdsolveFormats, ConvertedFilesSolveLikeTheOriginal)
{
    TemporaryFolder folder;
    const std::string original = folder.write("tiny.zd", uniquePuzzle);
    const RunResult converted = runZdsolveProgram({ "--to", "non", original });
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    EXPECT_EQ(converted.out.rfind("width 5\nheight 4\n", 0), 0u) << converted.out;
    const std::string nonFile = folder.write("tiny.non", converted.out);
    const RunResult solved = runZdsolveProgram({ nonFile });
    EXPECT_EQ(solved.exitCode, 0);
    EXPECT_TRUE(contains(solved.out, "##.##\n#...#\n#####\n..#..\n")) << solved.out;

    const std::string written = folder.path("again.zd");
    ASSERT_EQ(runZdsolveProgram({ "--to", "zd", "-o", written, nonFile }).exitCode, 0);
    EXPECT_EQ(fileContent(written), uniquePuzzle);

    // A picture converts to its clues, with the picture as the goal.
    const std::string picture
        = folder.write("tiny.pbm", plainPbm({ "##.##", "#...#", "#####", "..#.." }));
    const RunResult fromPicture = runZdsolveProgram({ "--to", "non", picture });
    EXPECT_EQ(fromPicture.out, converted.out + "\ngoal \"11011100011111100100\"\n")
        << fromPicture.out;
}

TEST(ZdsolveFormats, BatchConvertsIntoAFolderOneFilePerPuzzle)
{
    const PuzzleClues clues = PuzzleClues::fromPicture(staircase());
    TemporaryFolder folder;
    const std::string batch = folder.write(
        "set.tcga", tournamentText(1, clues) + "$2\nbroken\n" + tournamentText(3, clues));
    const std::string target = folder.path("out") + "/";
    const RunResult run = runZdsolveProgram({ "--to", "zd", "-o", target, batch });
    EXPECT_EQ(run.exitCode, 2) << "puzzle 2 is broken: " << run.err;
    EXPECT_TRUE(contains(run.err, batch + ":53: ")) << run.err;
    for (const char *name : { "set-1.zd", "set-3.zd" }) {
        PuzzleClues back;
        const ParseError error = parseTextPuzzle(fileContent(folder.path("out/") + name), back);
        EXPECT_FALSE(error.failed()) << name << ": " << error.message;
        EXPECT_EQ(back.rowClues, clues.rowClues) << name;
        EXPECT_EQ(back.columnClues, clues.columnClues) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path("out/set-2.zd")));

    // Without a folder, several puzzles have nowhere to go.
    const RunResult toScreen = runZdsolveProgram({ "--to", "zd", batch });
    EXPECT_EQ(toScreen.exitCode, 64);
    EXPECT_TRUE(contains(toScreen.err, "name a folder with -o")) << toScreen.err;
}

} // namespace
