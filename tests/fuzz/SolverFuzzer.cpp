// libFuzzer harness for the solvers. The input draws a picture of at most
// 8 x 8 cells and may then replace some lines' clues with the clues of other
// drawn lines; the complete solver's verdict must agree with a brute-force
// count, a unique solution must be the only grid the count finds, and the
// model's line solver, when it says solved, must show a grid meeting every
// clue.
#include "BruteForceCount.h"
#include "CMalovanaKrizovka.h"
#include "CompleteSolver.h"
#include "FuzzCheck.h"
#include "PuzzleClues.h"

#include <cstdint>
#include <cstdio>

using namespace zd;

namespace {

// Reads bits from the input, then zeros once it is used up.
class BitReader
{
public:
    BitReader(const uint8_t *bytes, size_t count)
        : data(bytes)
        , size(count)
    { }
    unsigned bits(int count)
    {
        unsigned value = 0;
        for (int i = 0; i < count; ++i, ++position)
            if (position / 8 < size && (data[position / 8] >> (position % 8) & 1u))
                value |= 1u << i;
        return value;
    }

private:
    const uint8_t *data;
    size_t size;
    size_t position = 0;
};

std::vector<std::string> drawnLines(BitReader &input, int count, int length)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        std::string line;
        for (int c = 0; c < length; ++c)
            line += input.bits(1) ? '#' : '.';
        lines.push_back(line);
    }
    return lines;
}

// Replaces up to three lines' clues with those of freshly drawn lines, so
// that clue sets without a solution or with several are reached too.
void disturb(BitReader &input, PuzzleClues &clues)
{
    const int changes = static_cast<int>(input.bits(2));
    for (int i = 0; i < changes; ++i) {
        const bool row = input.bits(1) != 0;
        const int count = row ? clues.rows : clues.columns;
        const int length = row ? clues.columns : clues.rows;
        const int index = static_cast<int>(input.bits(3)) % count;
        const std::string line = drawnLines(input, 1, length)[0];
        (row ? clues.rowClues : clues.columnClues)[index] = PuzzleClues::cluesOfLine(line);
    }
}

std::string rowsOf(const CellGrid &grid, int columns)
{
    std::string text;
    for (size_t i = 0; i < grid.size(); ++i) {
        text += grid[i] == CellFilled ? '#' : '.';
        if ((i + 1) % columns == 0)
            text += '/';
    }
    return text;
}

std::string joined(const std::vector<std::string> &rows)
{
    std::string text;
    for (const std::string &row : rows)
        text += row + '/';
    return text;
}

void checkCompleteSolver(const PuzzleClues &clues,
                         const std::vector<std::vector<std::string>> &found)
{
    const SolveResult result = solveCompletely(clues);
    const Verdict expected = found.empty() ? Verdict::None
        : found.size() == 1                ? Verdict::Unique
                                           : Verdict::Multiple;
    FUZZ_CHECK(result.verdict == expected, "verdict differs from the brute-force count");
    if (result.verdict == Verdict::Unique)
        FUZZ_CHECK(rowsOf(result.solution, clues.columns) == joined(found[0]),
                   "unique solution is not the grid the count found");
    if (result.verdict == Verdict::Multiple) {
        FUZZ_CHECK(clues.isSolvedBy(result.solution) && clues.isSolvedBy(result.other)
                       && result.solution != result.other,
                   "two solutions that are not two different solutions");
    }
}

void checkLineSolver(const PuzzleClues &clues)
{
    CMalovanaKrizovka model;
    clues.applyTo(model);
    if (model.solve(nullptr, 0) != 0)
        return; // rejected or stuck: nothing claimed
    CellGrid grid;
    for (int r = 0; r < clues.rows; ++r)
        for (int c = 0; c < clues.columns; ++c)
            grid.push_back(static_cast<CellState>(
                model.cell(static_cast<int16_t>(r), static_cast<int16_t>(c))));
    FUZZ_CHECK(clues.isSolvedBy(grid), "line solver's solved grid breaks the clues");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The model's line solver prints one line per pass.
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::perror("standard output stays open");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BitReader input(data, size);
    // Three bits each: 1 to 8 rows and columns, small enough to count by brute force.
    const int rows = 1 + static_cast<int>(input.bits(3));
    const int columns = 1 + static_cast<int>(input.bits(3));
    const bool disturbed = input.bits(1) != 0;
    const std::vector<std::string> picture = drawnLines(input, rows, columns);
    PuzzleClues clues = PuzzleClues::fromPicture(picture);
    if (disturbed)
        disturb(input, clues);
    const auto found = bruteForceSolutions(clues, 2);
    if (!disturbed)
        FUZZ_CHECK(!found.empty(), "the count misses the picture the clues came from");
    checkCompleteSolver(clues, found);
    if (!disturbed && found.size() == 1)
        FUZZ_CHECK(joined(found[0]) == joined(picture), "the only solution is not the picture");
    checkLineSolver(clues);
    return 0;
}
