#include "PuzzleLines.h"

#include <cstdint>

namespace zd {

namespace {

std::string lineName(const char *kind, int index)
{
    return std::string(kind) + " " + std::to_string(index + 1);
}

} // namespace

std::string PuzzleLines::readFrom(const PuzzleClues &clues)
{
    rowCount = 0;
    columnCount = 0;
    clueData.clear();
    clueStart.assign(1, 0);
    if (clues.rows <= 0 || clues.columns <= 0)
        return "the grid has no cells";
    // Cell indices are int: the solver takes any grid the model could hold.
    if (clues.rows > maxPuzzleCount || clues.columns > maxPuzzleCount)
        return "the grid has more than " + std::to_string(maxPuzzleCount) + " rows or columns";
    if (clues.rowClues.size() != static_cast<size_t>(clues.rows)
        || clues.columnClues.size() != static_cast<size_t>(clues.columns))
        return "the clue lists do not match the grid's size";
    rowCount = clues.rows;
    columnCount = clues.columns;
    int64_t rowTotal = 0;
    int64_t columnTotal = 0;
    for (int r = 0; r < rowCount; ++r) {
        if (std::string problem = addLine("row", r, columnCount, clues.rowClues[r]);
            !problem.empty())
            return problem;
        for (int number : clues.rowClues[r])
            rowTotal += number;
    }
    for (int c = 0; c < columnCount; ++c) {
        if (std::string problem = addLine("column", c, rowCount, clues.columnClues[c]);
            !problem.empty())
            return problem;
        for (int number : clues.columnClues[c])
            columnTotal += number;
    }
    if (rowTotal != columnTotal)
        return "the row clues fill " + std::to_string(rowTotal) + " cells, the column clues "
            + std::to_string(columnTotal);
    return {};
}

// Appends one line's blocks. A lone 0 means an empty line; any other 0, a
// negative number, a missing clue list or blocks longer than the line make the
// puzzle unsolvable.
std::string PuzzleLines::addLine(const char *kind, int index, int length,
                                 const std::vector<int> &numbers)
{
    if (numbers.empty())
        return lineName(kind, index) + ": no clue (an empty line is written 0)";
    const bool emptyLine = numbers.size() == 1 && numbers[0] == 0;
    int64_t needed = -1;
    if (!emptyLine) {
        for (int number : numbers) {
            if (number <= 0)
                return lineName(kind, index) + ": clue " + std::to_string(number)
                    + " is not a block length";
            needed += number + 1;
        }
        if (needed > length)
            return lineName(kind, index) + ": clues need " + std::to_string(needed)
                + " cells, the line has " + std::to_string(length);
        clueData.insert(clueData.end(), numbers.begin(), numbers.end());
    }
    clueStart.push_back(static_cast<int>(clueData.size()));
    return {};
}

} // namespace zd
