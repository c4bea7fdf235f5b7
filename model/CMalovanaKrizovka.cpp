#include "CMalovanaKrizovka.h"

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
    const int n = static_cast<int>(list.size());
    if (n == 0)
        return;
    list[0].earliestStart = 0;
    for (int k = 1; k < n; ++k)
        list[k].earliestStart
            = static_cast<int16_t>(list[k - 1].earliestStart + list[k - 1].length + 1);
    list[n - 1].latestStart = static_cast<int16_t>(length - list[n - 1].length);
    for (int k = n - 2; k >= 0; --k)
        list[k].latestStart = static_cast<int16_t>(list[k + 1].latestStart - list[k].length - 1);
    const auto firstMatch = static_cast<int16_t>(list[n - 1].latestStart + 1);
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
