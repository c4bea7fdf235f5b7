#include "ColourBruteForce.h"
#include "PuzzleFormats.h"
#include "SolveMethods.h"
#include "ZdsolveRun.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

std::string joined(const std::vector<std::string> &rows)
{
    std::string text;
    for (const std::string &row : rows)
        text += row + "\n";
    return text;
}

// Small generated colour puzzles, written in both colour formats and read
// back: each verdict and unique solution agrees with enumeration.
TEST(ColourRun, VerdictsInBothFormatsAgreeWithEnumeration)
{
    std::mt19937 random(17);
    int verdicts[3] = {};
    for (int round = 0; round < 40; ++round) {
        const int rows = 2 + round % 3;
        const int columns = 2 + (round / 3) % 3;
        PuzzleEntry entry;
        entry.colour
            = colourPuzzleOfGrid(testPalette(4), rows, columns,
                                 randomGrid(rows * columns, 4, 0.3 + 0.1 * (round % 4), random));
        entry.isColour = !entry.colour.usesOneColour();
        if (!entry.isColour)
            continue;
        // Another colour for one clue: mostly no solution.
        if (round % 4 == 3 && !entry.colour.columnClues[0].empty())
            entry.colour.columnClues[0][0].colour = entry.colour.columnClues[0][0].colour % 3 + 1;
        const std::vector<ColourGrid> expected = bruteForceSolutions(entry.colour);
        ++verdicts[std::min<size_t>(expected.size(), 2)];
        const Verdict verdict = expected.empty() ? Verdict::None
            : expected.size() == 1               ? Verdict::Unique
                                                 : Verdict::Multiple;
        for (PuzzleFormat format : { PuzzleFormat::Xml, PuzzleFormat::Non }) {
            std::string content;
            std::string error;
            ASSERT_TRUE(writePuzzleContent(entry, format, content, error)) << error;
            const PuzzleEntry read = parsePuzzleContent(content, format, "p")[0];
            ASSERT_FALSE(read.failed()) << read.error;
            const PuzzleOutcome outcome = solveWithCompleteSolver(read, 0);
            ASSERT_EQ(outcome.result.verdict, verdict) << content;
            if (verdict == Verdict::Unique) {
                EXPECT_EQ(outcome.colourSolution,
                          pictureOfColourGrid(entry.colour, expected.front()));
            }
        }
    }
    // The generated puzzles reach every verdict.
    EXPECT_GT(verdicts[0], 0);
    EXPECT_GT(verdicts[1], 0);
    EXPECT_GT(verdicts[2], 0);
}

// The program end to end: the report in the file's characters, an empty
// row, conversion to XML and refusal of a black-and-white format.
TEST(ColourRun, ReportsAndConvertsColourFiles)
{
    TemporaryFolder folder;
    const std::string non
        = folder.write("flag.non",
                       "width 3\nheight 3\ncolor r #ff0000\ncolor b #0000ff\nrows\n2r,1b\n0\n1r\n"
                       "columns\n1r\n1r 1r\n1b\n");
    const RunResult solved = runZdsolveProgram({ non });
    EXPECT_EQ(solved.out.rfind(non + ": unique (grade line) in ", 0), 0u) << solved.out;
    EXPECT_TRUE(contains(solved.out, " s\n" + joined({ "rrb", "...", ".r." }))) << solved.out;
    const std::string xml = folder.path("flag.xml");
    EXPECT_EQ(runZdsolveProgram({ "--to", "xml", "-o", xml, non }).exitCode, 0);
    EXPECT_TRUE(contains(runZdsolveProgram({ "--json", xml }).out,
                         "\"solution\": [\"rrb\", \"...\", \".r.\"]"));
    const RunResult refused = runZdsolveProgram({ "--to", "zd", xml });
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(contains(refused.err, "cannot be written in the black-and-white zd format"));
}

} // namespace
