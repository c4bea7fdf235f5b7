// Entry points of the line solver: copy one row or column into the working
// line, run the method that fastMode selects, and write the result back.
// A line whose clues cannot fit it, or whose decided cells the method finds
// contradicted, is left alone and reports no change.

#include "CMalovanaKrizovka.h"
#include "LineSteps.h"

namespace {

// Clues that admit at least one placement in a line of `length` cells: no
// negative numbers, a 0 only as the whole list, one cell between neighbours.
bool cluesFitLine(const ClueList &clues, int32_t length)
{
    if (clues.empty())
        return false;
    int64_t needed = static_cast<int64_t>(clues.size()) - 1;
    for (const Clue &clue : clues) {
        if (clue.length < 0 || (clue.length == 0 && clues.size() > 1))
            return false;
        needed += clue.length;
    }
    return needed <= length;
}

} // namespace

uint8_t CMalovanaKrizovka::solveRow(int16_t row, int32_t *steps)
{
    if (row < 0 || row >= rows)
        return 0;
    GridLine line { grid.data() + cellIndex(row, 0), 1, columns };
    return solveLine(rowClueLists[row], line, steps);
}

uint8_t CMalovanaKrizovka::solveColumn(int16_t column, int32_t *steps)
{
    if (column < 0 || column >= columns)
        return 0;
    GridLine line { grid.data() + column, columns, rows };
    return solveLine(columnClueLists[column], line, steps);
}

void CMalovanaKrizovka::pushFollowingBlocks(ClueList &list, int16_t k)
{
    if (k >= 0)
        repackFollowingBlocks(std::span<Clue>(list), static_cast<std::size_t>(k));
}

uint8_t CMalovanaKrizovka::solveLine(ClueList &clues, GridLine line, int32_t *steps)
{
    if (!cluesFitLine(clues, line.length))
        return 0;
    const int32_t firstMatch = clues.back().latestStart + 1;
    for (Clue &clue : clues) {
        clue.firstMatchStart = toClueField(firstMatch);
        clue.position = clue.earliestStart;
    }
    resumeFromBlock = 0;
    justMatched = 0;

    std::vector<int32_t> &working = scratch.working;
    working.resize(static_cast<std::size_t>(line.length));
    int32_t beforeSum = 0;
    for (int32_t i = 0; i < line.length; ++i) {
        working[i] = line.first[i * line.stride];
        beforeSum += working[i];
    }

    uint8_t changed = 0;
    bool writeBack = false;
    if (fastMode) {
        countStep(steps);
        changed = overlapLine(clues, working);
        writeBack = changed != 0;
    } else {
        changed = enumeratePlacements(clues, working, beforeSum, steps, writeBack);
    }
    if (!writeBack)
        return changed;

    // Decided cells never change: a method that would flip one has met
    // contradicting cells, and the line is left as it was.
    const std::vector<int32_t> &result = fastMode ? working : scratch.intersection;
    for (int32_t i = 0; i < line.length; ++i) {
        const int32_t before = line.first[i * line.stride];
        if (before != CellUnknown && before != result[i])
            return 0;
    }
    for (int32_t i = 0; i < line.length; ++i)
        line.first[i * line.stride] = result[i];
    return changed;
}
