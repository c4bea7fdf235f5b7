#include "CMalovanaKrizovka.h"

#include "BlockRanges.h"

#include <cstddef>

CMalovanaKrizovka::~CMalovanaKrizovka() = default;

void CMalovanaKrizovka::setSize(int16_t newRows, int16_t newColumns)
{
    rows = newRows;
    columns = newColumns;
    const int safeRows = rows > 0 ? rows : 0;
    const int safeColumns = columns > 0 ? columns : 0;
    grid.assign(static_cast<size_t>(safeRows) * safeColumns, CellUnknown);
    rowClueLists.assign(safeRows, ClueList());
    columnClueLists.assign(safeColumns, ClueList());
}

void CMalovanaKrizovka::addRowClue(int16_t row, int16_t value)
{
    Clue clue;
    clue.length = value;
    rowClueLists[row].push_back(clue);
}

void CMalovanaKrizovka::addColumnClue(int16_t column, int16_t value)
{
    Clue clue;
    clue.length = value;
    columnClueLists[column].push_back(clue);
}

int16_t CMalovanaKrizovka::rowClueCount(int16_t row) const
{
    return static_cast<int16_t>(rowClueLists[row].size());
}

int16_t CMalovanaKrizovka::columnClueCount(int16_t column) const
{
    return static_cast<int16_t>(columnClueLists[column].size());
}

int16_t CMalovanaKrizovka::rowClue(int16_t row, int16_t k) const
{
    return rowClueLists[row][k].length;
}

int16_t CMalovanaKrizovka::columnClue(int16_t column, int16_t k) const
{
    return columnClueLists[column][k].length;
}

void CMalovanaKrizovka::computeBlockRanges(ClueList &list, int16_t length)
{
    if (list.empty())
        return;
    zd::packBlockRanges(
        list.size(), length, [&list](std::size_t k) { return list[k].length; },
        [&list](std::size_t k) -> int16_t & { return list[k].earliestStart; },
        [&list](std::size_t k) -> int16_t & { return list[k].latestStart; });
    const auto firstMatch = static_cast<int16_t>(list.back().latestStart + 1);
    for (Clue &clue : list) {
        clue.firstMatchStart = firstMatch;
        clue.position = clue.earliestStart;
    }
}

void CMalovanaKrizovka::computeAllBlockRanges()
{
    for (ClueList &list : rowClueLists)
        computeBlockRanges(list, columns);
    for (ClueList &list : columnClueLists)
        computeBlockRanges(list, rows);
}
