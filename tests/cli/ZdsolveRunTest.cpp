#include "ZdsolveRun.h"

#include "PuzzleClues.h"
#include "RandomPicture.h"
#include "TextPuzzleFormat.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

TEST(ZdsolveRun, BadFileInTheMiddleOfAFolderIsReportedAndTheRunGoesOn)
{
    TemporaryFolder folder;
    folder.write("a.zd", uniquePuzzle);
    folder.write("b.zd", badPuzzle);
    folder.write("c.zd", multiplePuzzle);
    folder.write("notes.txt", "not a puzzle, skipped in folders");
    const RunResult run = runZdsolveProgram({ "--jobs", "2", folder.path() });
    EXPECT_EQ(run.exitCode, 2) << run.err;
    const size_t a = run.out.find("a.zd: unique (grade line)");
    const size_t b = run.out.find("b.zd: error: ");
    const size_t c = run.out.find("c.zd: multiple");
    ASSERT_NE(a, std::string::npos) << run.out;
    ASSERT_NE(b, std::string::npos) << run.out;
    ASSERT_NE(c, std::string::npos) << run.out;
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_TRUE(contains(run.err, folder.path("b.zd") + ":3: clue line of row 2 holds 'x'"))
        << run.err;
    EXPECT_TRUE(contains(run.out, "3 puzzles: 1 unique, 1 multiple, 1 error")) << run.out;
    EXPECT_FALSE(contains(run.out + run.err, "notes.txt"));
}

struct ExitCase
{
    const char *name;
    std::vector<std::string> files; // contents, written as p0.zd, p1.zd, ...
    std::vector<std::string> options;
    int exitCode;
};

TEST(ZdsolveRun, ExitCodeTellsTheWorstOutcome)
{
    const ExitCase cases[] = {
        { "all unique", { uniquePuzzle, uniquePuzzle }, {}, 0 },
        { "one multiple", { uniquePuzzle, multiplePuzzle }, {}, 1 },
        { "one without solution", { impossiblePuzzle }, {}, 1 },
        { "bad file beats multiple", { multiplePuzzle, badPuzzle }, {}, 2 },
        { "line method solves", { uniquePuzzle }, { "--method", "line" }, 0 },
        { "line method stuck", { multiplePuzzle }, { "--method", "line" }, 1 },
        { "unknown option", { uniquePuzzle }, { "--fast" }, 64 },
        { "jobs zero", { uniquePuzzle }, { "--jobs", "0" }, 64 },
        { "timeout not a number", { uniquePuzzle }, { "--timeout=soon" }, 64 },
        { "unknown method", { uniquePuzzle }, { "--method", "guess" }, 64 },
        { "-o without --to", { uniquePuzzle }, { "-o", "x.zd" }, 64 },
        { "no input", {}, {}, 64 },
    };
    for (const ExitCase &test : cases) {
        TemporaryFolder folder;
        std::vector<std::string> arguments = test.options;
        for (size_t i = 0; i < test.files.size(); ++i)
            arguments.push_back(folder.write("p" + std::to_string(i) + ".zd", test.files[i]));
        const RunResult run = runZdsolveProgram(arguments);
        EXPECT_EQ(run.exitCode, test.exitCode) << test.name << "\n" << run.out << run.err;
        if (test.exitCode == 64) {
            EXPECT_TRUE(contains(run.err, "zdsolve --help")) << test.name << ": " << run.err;
        }
    }
}

TEST(ZdsolveRun, MissingFileAndUnknownExtensionAreNamed)
{
    TemporaryFolder folder;
    const std::string odd = folder.write("puzzle.txt", uniquePuzzle);
    const RunResult run = runZdsolveProgram({ folder.path("gone.zd"), odd });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, folder.path("gone.zd") + ": cannot open")) << run.err;
    EXPECT_TRUE(contains(run.err, odd + ": unknown extension")) << run.err;
}

TEST(ZdsolveRun, HelpDocumentsOptionsFormatsAndExitCodes)
{
    const RunResult run = runZdsolveProgram({ "--help" });
    EXPECT_EQ(run.exitCode, 0);
    for (const char *word :
         { "--method line", "--format", "--json", "--to zd|zdb|non", "--jobs", "--threads",
           "--timeout", "-o, --output", "--brief", "--no-progress", "--ambiguous", "--make-unique",
           "tcga", "nin", "non", "zdb", "Exit status", "  64  " })
        EXPECT_TRUE(contains(run.out, word)) << word;
}

// Checks that `text` is one JSON value and nothing else: enough grammar to
// catch a missing comma, an unescaped quote or a stray bracket.
class JsonChecker
{
public:
    explicit JsonChecker(const std::string &json)
        : text(json)
    { }
    bool valid() { return value() && (skip(), pos == text.size()); }

private:
    void skip()
    {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\n'))
            ++pos;
    }
    bool literal(const char *word)
    {
        const std::string w(word);
        if (text.compare(pos, w.size(), w) != 0)
            return false;
        pos += w.size();
        return true;
    }
    bool string()
    {
        if (text[pos] != '"')
            return false;
        for (++pos; pos < text.size(); ++pos) {
            if (text[pos] == '\\')
                ++pos;
            else if (text[pos] == '"')
                return ++pos, true;
            else if (static_cast<unsigned char>(text[pos]) < 0x20)
                return false;
        }
        return false;
    }
    bool number()
    {
        const size_t start = pos;
        while (pos < text.size() && (isdigit(text[pos]) || text[pos] == '.' || text[pos] == '-'))
            ++pos;
        return pos > start;
    }
    bool sequence(char close, bool keyed)
    {
        ++pos;
        skip();
        if (pos < text.size() && text[pos] == close)
            return ++pos, true;
        while (true) {
            skip();
            if (keyed && !(string() && (skip(), literal(":"))))
                return false;
            if (!value())
                return false;
            skip();
            if (pos < text.size() && text[pos] == close)
                return ++pos, true;
            if (!literal(","))
                return false;
        }
    }
    bool value()
    {
        skip();
        if (pos >= text.size())
            return false;
        switch (text[pos]) {
        case '{':
            return sequence('}', true);
        case '[':
            return sequence(']', false);
        case '"':
            return string();
        case 'n':
            return literal("null");
        default:
            return number();
        }
    }
    const std::string &text;
    size_t pos = 0;
};

TEST(ZdsolveRun, JsonGivesOneWellFormedObjectPerPuzzle)
{
    TemporaryFolder folder;
    folder.write("1.zd", uniquePuzzle);
    folder.write("2.zd", multiplePuzzle);
    folder.write("3\"quoted\".zd", badPuzzle);
    folder.write("4.zd", impossiblePuzzle);
    const RunResult run = runZdsolveProgram({ "--json", folder.path() });
    EXPECT_EQ(run.exitCode, 2);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    for (const std::string &line : lines) {
        EXPECT_TRUE(JsonChecker(line).valid()) << line;
        for (const char *key :
             { "\"file\": ", "\"rows\": ", "\"columns\": ", "\"verdict\": ", "\"grade\": ",
               "\"seconds\": ", "\"solution\": ", "\"other\": ", "\"error\": " })
            EXPECT_TRUE(contains(line, key)) << key << " missing in " << line;
    }
    EXPECT_TRUE(contains(lines[0],
                         "\"rows\": 4, \"columns\": 5, \"verdict\": \"unique\", "
                         "\"grade\": \"line\""));
    EXPECT_TRUE(contains(lines[0],
                         "\"solution\": [\"##.##\", \"#...#\", \"#####\", \"..#..\"], "
                         "\"other\": null"));
    EXPECT_TRUE(contains(lines[1], "\"verdict\": \"multiple\""));
    EXPECT_TRUE(
        contains(lines[1], "\"solution\": [\"#.\", \".#\"], \"other\": [\".#\", \"#.\"]")
        || contains(lines[1], "\"solution\": [\".#\", \"#.\"], \"other\": [\"#.\", \".#\"]"))
        << lines[1];
    EXPECT_TRUE(contains(lines[2], "3\\\"quoted\\\".zd:3: clue line of row 2")) << lines[2];
    EXPECT_TRUE(contains(lines[2], "\"verdict\": \"error\"")) << lines[2];
    EXPECT_TRUE(contains(lines[3], "\"verdict\": \"none\", \"grade\": null")) << lines[3];
    EXPECT_TRUE(contains(run.err, "4 puzzles:")) << "summary on standard error: " << run.err;
}

TEST(ZdsolveRun, LineMethodPrintsPassLinesResultCountsAndGrid)
{
    TemporaryFolder folder;
    const std::string unique = folder.write("u.zd", uniquePuzzle);
    const std::string several = folder.write("m.zd", multiplePuzzle);
    const RunResult run = runZdsolveProgram({ "--method", "line", unique, several });
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<std::string> lines = linesOf(run.out);
    // Per puzzle: name, one line per pass, result, steps, passes, grid, blank.
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], unique + ":");
    size_t i = 1;
    int passLines = 0;
    for (; i < lines.size() && (lines[i] == "1" || lines[i] == "0"); ++i)
        ++passLines;
    ASSERT_LT(i + 7, lines.size()) << run.out;
    EXPECT_GT(passLines, 0);
    EXPECT_EQ(lines[i], "result: 0 (solved)");
    EXPECT_EQ(lines[i + 1].rfind("steps: ", 0), 0u) << lines[i + 1];
    EXPECT_EQ(lines[i + 2], "passes: " + std::to_string(passLines));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + i + 3, lines.begin() + i + 7),
              (std::vector<std::string> { "##.##", "#...#", "#####", "..#.." }));
    // Two solutions: line logic decides nothing ("1", then "0" twice).
    EXPECT_TRUE(contains(run.out, several + ":\n1\n0\n0\nresult: 2 (stuck)\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "passes: 3\n??\n??\n")) << run.out;
}

TEST(ZdsolveRun, LineMethodOnABadFileExitsWithTheReadersMessage)
{
    TemporaryFolder folder;
    const std::string bad = folder.write("bad.zd", badPuzzle);
    const RunResult run = runZdsolveProgram({ "--method", "line", bad });
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(contains(run.err, bad + ":3: clue line of row 2 holds 'x'")) << run.err;
}

TEST(ZdsolveRun, ManyPuzzlesOnSeveralThreadsComeOutInFileOrder)
{
    TemporaryFolder folder;
    std::vector<std::string> expected;
    for (int i = 0; i < 24; ++i) {
        const std::string name = "p" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".zd";
        folder.write(name, i % 3 == 0 ? multiplePuzzle : uniquePuzzle);
        expected.push_back(folder.path(name) + (i % 3 == 0 ? ": multiple" : ": unique"));
    }
    const RunResult run = runZdsolveProgram({ "--brief", "--jobs", "3", folder.path() });
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 25u) << run.out; // and the summary
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
}

TEST(ZdsolveRun, TimeoutEndsThePuzzleAndShowsTheCellsKnownSoFar)
{
    // 300 x 300 random cells: far more work than a millisecond allows.
    std::mt19937 random(17);
    const std::vector<std::string> picture = randomPicture(300, 300, 0.5, random);
    TemporaryFolder folder;
    const std::string file
        = folder.write("big.zd", formatTextPuzzle(PuzzleClues::fromPicture(picture)));
    const RunResult run = runZdsolveProgram({ "--json", "--timeout", "0.001", file });
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(contains(run.out, "\"verdict\": \"timeout\", \"grade\": null")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"solution\": null, \"other\": null")) << run.out;
    const std::string knownKey = "\"known\": [\"";
    const size_t known = run.out.find(knownKey);
    ASSERT_NE(known, std::string::npos) << run.out;
    // 300 rows of 300 cells; the picture is one solution, so every decided
    // cell must match it.
    size_t pos = known + knownKey.size();
    for (const std::string &row : picture) {
        ASSERT_LT(pos + row.size(), run.out.size());
        const std::string shown = run.out.substr(pos, row.size());
        for (size_t c = 0; c < row.size(); ++c)
            ASSERT_TRUE(shown[c] == '?' || shown[c] == row[c]) << "cell " << c << " of " << shown;
        pos += row.size();
        ASSERT_EQ(run.out.substr(pos, 1), "\"");
        pos += 4; // the closing quote, a comma, a blank and the next opening quote
    }
    EXPECT_EQ(run.out.substr(pos - 3, 2), "],") << "exactly 300 rows";
}

TEST(ZdsolveRun, RefusesAPuzzleTooLargeToSolveWithoutTryingIt)
{
    // A 20000 x 20000 puzzle with every line empty: 400 million cells.
    std::string content = "20000 20000\n";
    for (int i = 0; i < 40000; ++i)
        content += "0\n";
    TemporaryFolder folder;
    const std::string huge = folder.write("huge.nin", content);
    const RunResult run = runZdsolveProgram({ huge });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, huge + ": the puzzle has 20000 x 20000 cells")) << run.err;
}

TEST(ZdsolveRun, ExplainNumbersTheStepsInPlainEnglish)
{
    TemporaryFolder folder;
    const RunResult run = runZdsolveProgram({ "--explain", folder.write("tiny.zd", uniquePuzzle) });
    EXPECT_EQ(run.exitCode, 0);
    const std::string steps = "steps:\n"
                              "1. Row 1 (2 2): cells 1-2 filled: the first 2 covers them wherever "
                              "it goes (it can only start at cell 1)\n"
                              "2. Row 1 (2 2): cells 4-5 filled: the second 2 covers them "
                              "wherever it goes (it can only start at cell 4)\n"
                              "3. Row 3 (5): cells 1-5 filled: the 5 covers them wherever it goes "
                              "(it can only start at cell 1)\n";
    EXPECT_TRUE(contains(run.out, "..#..\n\n" + steps)) << run.out;
    EXPECT_TRUE(contains(run.out,
                         "6. Column 2 (1 1): cell 2 empty: no block reaches it (the first 1 "
                         "ends at cell 1 at the latest and the second 1 starts at cell 3 at "
                         "the earliest)\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "\ndifficulty: 6 overlap, 8 spaces, 0 line, 0 contradiction, 0 both, 0 "
                         "search; longest chain 0\n\n"))
        << run.out;
}

TEST(ZdsolveRun, ExplainAddsStepsToEachJsonObject)
{
    TemporaryFolder folder;
    folder.write("1.zd", uniquePuzzle);
    folder.write("2.zd", multiplePuzzle);
    const RunResult run = runZdsolveProgram({ "--explain", "--json", folder.path() });
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    for (const std::string &line : lines)
        EXPECT_TRUE(JsonChecker(line).valid()) << line;
    EXPECT_TRUE(contains(lines[0],
                         "\"steps\": [{\"technique\": \"overlap\", \"line\": [\"row\", 0], "
                         "\"cells\": [[0, 0, \"#\"], [0, 1, \"#\"]], \"because\": [], "))
        << lines[0];
    EXPECT_TRUE(contains(lines[0], "\"explanation_end\": null}")) << lines[0];
    EXPECT_TRUE(contains(lines[1], "\"steps\": [], ")) << lines[1];
    EXPECT_TRUE(contains(lines[1], "have several solutions")) << lines[1];
    EXPECT_TRUE(contains(run.err, "steps: 6 overlap, 8 spaces,")) << run.err;
    EXPECT_EQ(runZdsolveProgram({ "--explain", "--method", "line", folder.path() }).exitCode, 64);
}

} // namespace
