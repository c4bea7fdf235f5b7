#include "CMalovanaKrizovkaFromFile.h"
#include "CompleteSolver.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace zd;

namespace {

SolveResult solveFile(const std::string &path)
{
    CMalovanaKrizovkaFromFile model;
    model.load(path.c_str());
    EXPECT_EQ(model.lastError(), "") << path;
    SolveOptions options;
    options.timeLimitSeconds = 120;
    // The legacy model's entry point, as the window uses it.
    const SolveResult result = solveCompletely(model, options);
    const PuzzleClues clues = PuzzleClues::fromModel(model);
    if (result.verdict == Verdict::Unique || result.verdict == Verdict::Multiple) {
        EXPECT_TRUE(clues.isSolvedBy(result.solution)) << path;
    }
    if (result.verdict == Verdict::Multiple) {
        EXPECT_TRUE(clues.isSolvedBy(result.other)) << path;
    }
    return result;
}

TEST(SamplePuzzles, SamplesGiveTheirKnownVerdicts)
{
    const std::map<std::string, Verdict> expected = {
        { "orol.zd", Verdict::Unique },
        { "tiny.zd", Verdict::Unique },
        { "two-solutions.zd", Verdict::Multiple },
        { "totals-differ.zd", Verdict::None },
    };
    for (const auto &[name, verdict] : expected) {
        const std::string path = std::string(SAMPLE_FOLDER) + "/" + name;
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << path << " is missing";
        EXPECT_EQ(solveFile(path).verdict, verdict) << name;
    }
}

// The benchmark folder lists, per puzzle, whether line reasoning alone solves
// it (measured with another solver): exactly those must get the grade
// "line". Only the small sets, to keep the sanitizer build quick.
TEST(BenchPuzzles, LineGradeMatchesTheLineSolvableList)
{
    const std::string folder = BENCH_FOLDER;
    std::ifstream list(folder + "/LINE_SOLVABLE.tsv");
    if (!list)
        GTEST_SKIP() << "no benchmark puzzles next to the project";
    std::string line;
    int checked = 0;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string file, verdict;
        fields >> file >> verdict;
        const bool small = file.rfind("jwilk/", 0) == 0 || file.rfind("nonogram-db/", 0) == 0
            || file.rfind("webpbn/", 0) == 0 || file.rfind("dom/dom-0", 0) == 0;
        if (!small || (verdict != "solved" && verdict != "stuck"))
            continue;
        const SolveResult result = solveFile(folder + "/" + file);
        ASSERT_NE(result.verdict, Verdict::Undecided) << file;
        EXPECT_EQ(result.grade == Grade::Line, verdict == "solved") << file;
        if (file.rfind("dom/", 0) == 0) {
            EXPECT_EQ(result.verdict, Verdict::Unique) << file;
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

} // namespace
