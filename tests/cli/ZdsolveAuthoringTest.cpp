#include "BruteForceCount.h"
#include "PuzzleClues.h"
#include "RandomPicture.h"
#include "TextPuzzleFormat.h"
#include "ZdsolveRun.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>

using namespace zd;

namespace {

// The JSON value of `key` in a line of zdsolve's output, as written.
std::string valueOf(const std::string &line, const std::string &key)
{
    const std::string opening = "\"" + key + "\": ";
    size_t start = line.find(opening);
    if (start == std::string::npos)
        return {};
    start += opening.size();
    if (line.compare(start, 4, "null") == 0)
        return "null";
    size_t end = start;
    for (int depth = 0; end < line.size(); ++end) {
        depth += line[end] == '[' ? 1 : line[end] == ']' ? -1 : 0;
        if (depth == 0)
            break;
    }
    return line.substr(start, end + 1 - start);
}

std::vector<int> numbersIn(const std::string &value)
{
    std::vector<int> numbers;
    for (size_t i = 0; i < value.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(value[i]))) {
            numbers.push_back(std::stoi(value.substr(i)));
            while (i + 1 < value.size() && std::isdigit(static_cast<unsigned char>(value[i + 1])))
                ++i;
        }
    return numbers;
}

std::vector<std::string> stringsIn(const std::string &value)
{
    std::vector<std::string> strings;
    for (size_t open = value.find('"'); open != std::string::npos;) {
        const size_t close = value.find('"', open + 1);
        strings.push_back(value.substr(open + 1, close - open - 1));
        open = value.find('"', close + 1);
    }
    return strings;
}

// Small generated puzzles with one, two and many solutions, one run: the
// ambiguous cells are those where enumerated solutions differ, and every
// proposed picture, the solution with the listed changes, has one solution.
TEST(ZdsolveAuthoring, AmbiguousCellsAndUniquePicturesAgreeWithEnumeration)
{
    TemporaryFolder folder;
    std::mt19937 random(23);
    std::vector<std::vector<std::vector<std::string>>> solutions;
    for (int i = 0; i < 30; ++i) {
        const PuzzleClues clues = PuzzleClues::fromPicture(
            randomPicture(3 + i % 5, 3 + i % 4, 0.3 + 0.1 * (i % 4), random));
        solutions.push_back(bruteForceSolutions(clues, 100'000));
        folder.write((i < 10 ? "0" : "") + std::to_string(i) + ".zd", formatTextPuzzle(clues));
    }
    const RunResult run = runZdsolveProgram(
        { "--json", "--ambiguous", "--make-unique", "--jobs", "2", folder.path() });
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), solutions.size()) << run.out << run.err;
    std::map<size_t, int> solutionCounts;
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        ++solutionCounts[std::min<size_t>(solutions[i].size(), 3)];
        std::vector<std::pair<int, int>> ambiguous;
        const std::vector<int> numbers = numbersIn(valueOf(lines[i], "ambiguous"));
        for (size_t n = 0; n + 1 < numbers.size(); n += 2)
            ambiguous.emplace_back(numbers[n], numbers[n + 1]);
        EXPECT_EQ(ambiguous, differingCells(solutions[i]));

        std::vector<std::string> picture = stringsIn(valueOf(lines[i], "solution"));
        const std::string changes = valueOf(lines[i], "changes");
        const std::vector<int> places = numbersIn(changes);
        const std::vector<std::string> states = stringsIn(changes);
        ASSERT_EQ(places.size(), 2 * states.size());
        for (size_t n = 0; n < states.size(); ++n) {
            char &cell = picture.at(places[2 * n]).at(places[2 * n + 1]);
            EXPECT_NE(std::string(1, cell), states[n]) << "a change that changes nothing";
            cell = states[n][0];
        }
        EXPECT_EQ(states.empty(), solutions[i].size() == 1);
        EXPECT_EQ(stringsIn(valueOf(lines[i], "picture")), picture);
        const auto again = bruteForceSolutions(PuzzleClues::fromPicture(picture), 2);
        EXPECT_EQ(again, std::vector<std::vector<std::string>> { picture });
    }
    EXPECT_EQ(solutionCounts.size(), 3u) << "one, two and many solutions should all occur";
}

TEST(ZdsolveAuthoring, TextMarksAmbiguousCellsAndShowsTheChangedPicture)
{
    TemporaryFolder folder;
    const std::string path = folder.write("two.zd", multiplePuzzle);
    const RunResult run = runZdsolveProgram({ "--ambiguous", "--make-unique", path });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.out, "\nambiguous: 4 cells\n??\n??\n\n")) << run.out;
    // One change leaves a 2 x 2 with one filled cell or three, both unique.
    EXPECT_TRUE(contains(run.out, "\nmake unique: 1 change: [")) << run.out;
    const RunResult brief = runZdsolveProgram({ "--brief", "--ambiguous", path });
    EXPECT_TRUE(contains(brief.out, ": multiple (grade search) in ")) << brief.out;
    EXPECT_TRUE(contains(brief.out, " s\nambiguous: 4 cells\n")) << brief.out;
}

} // namespace
