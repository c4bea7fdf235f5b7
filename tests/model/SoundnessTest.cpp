#include "CMalovanaKrizovkaFromFile.h"
#include "LineSolverTestAccess.h"
#include "PuzzleClues.h"
#include "RandomPicture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace zd;

namespace {

// Every decided cell must equal the picture the clues came from, "solved"
// must mean every cell decided, and a solved grid is then the picture.
void expectSoundSolve(const std::vector<std::string> &picture)
{
    CMalovanaKrizovka model;
    PuzzleClues::fromPicture(picture).applyTo(model);
    int code = -1;
    capturedStdout([&] { code = model.solve(nullptr, 0); });
    const std::vector<std::string> grid = gridPicture(model);
    bool undecided = false;
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            const char cell = grid[r][c];
            undecided = undecided || cell == '?';
            if (cell == '?')
                continue;
            ASSERT_EQ(cell == '#', picture[r][c] == '#') << "cell " << r << "," << c << " of\n"
                                                         << testing::PrintToString(picture);
        }
    }
    EXPECT_EQ(code, undecided ? 2 : 0) << testing::PrintToString(picture);
}

TEST(SolveSoundness, SmallRandomPicturesNeverGetAWrongCell)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 4000 && !HasFailure(); ++trial) {
        const int rows = 1 + static_cast<int>(random() % 8);
        const int columns = 1 + static_cast<int>(random() % 8);
        const double density = 0.2 + 0.1 * static_cast<double>(random() % 7);
        expectSoundSolve(randomPicture(rows, columns, density, random));
    }
}

TEST(SolveSoundness, MediumRandomPicturesNeverGetAWrongCell)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 150 && !HasFailure(); ++trial) {
        const int rows = 10 + static_cast<int>(random() % 21);
        const int columns = 10 + static_cast<int>(random() % 21);
        const double density = 0.4 + 0.1 * static_cast<double>(random() % 4);
        expectSoundSolve(randomPicture(rows, columns, density, random));
    }
}

// Puzzles known to be solvable by line logic alone must come out solved, and
// the others stuck: a weaker solver would leave cells, an unsound one would
// finish puzzles that need search.
TEST(SolveStrength, BenchmarkPuzzlesMatchTheirLineLogicVerdict)
{
    const std::filesystem::path bench = BENCH_FOLDER;
    std::ifstream verdicts(bench / "LINE_SOLVABLE.tsv");
    if (!verdicts)
        GTEST_SKIP() << "benchmark puzzles not present";
    std::string file, verdict;
    std::getline(verdicts, file);
    int checked = 0;
    while (verdicts >> file >> verdict) {
        if (file.rfind("pattern/", 0) != 0 && file.rfind("jwilk/", 0) != 0
            && file.rfind("webpbn/", 0) != 0 && file.rfind("dom/", 0) != 0)
            continue;
        CMalovanaKrizovkaFromFile model;
        model.load((bench / file).c_str());
        ASSERT_EQ(model.lastError(), "");
        int code = -1;
        capturedStdout([&] { code = model.solve(nullptr, 0); });
        EXPECT_EQ(code, verdict == "solved" ? 0 : 2) << file;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

} // namespace
