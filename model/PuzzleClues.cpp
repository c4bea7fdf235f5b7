#include "PuzzleClues.h"

#include "CMalovanaKrizovka.h"
#include "LineClueCheck.h"

#include <algorithm>
#include <span>

namespace zd {

void PuzzleClues::applyTo(CMalovanaKrizovka &model) const
{
    model.setSize(static_cast<int16_t>(rows), static_cast<int16_t>(columns));
    for (int r = 0; r < rows; ++r)
        for (int value : rowClues[r])
            model.addRowClue(static_cast<int16_t>(r), static_cast<int16_t>(value));
    for (int c = 0; c < columns; ++c)
        for (int value : columnClues[c])
            model.addColumnClue(static_cast<int16_t>(c), static_cast<int16_t>(value));
}

PuzzleClues PuzzleClues::fromModel(const CMalovanaKrizovka &model)
{
    PuzzleClues clues;
    // A model sized with negative counts holds no lines.
    clues.rows = std::max<int>(model.rowCount(), 0);
    clues.columns = std::max<int>(model.columnCount(), 0);
    clues.rowClues.resize(clues.rows);
    clues.columnClues.resize(clues.columns);
    for (int r = 0; r < clues.rows; ++r)
        for (int k = 0; k < model.rowClueCount(static_cast<int16_t>(r)); ++k)
            clues.rowClues[r].push_back(
                model.rowClue(static_cast<int16_t>(r), static_cast<int16_t>(k)));
    for (int c = 0; c < clues.columns; ++c)
        for (int k = 0; k < model.columnClueCount(static_cast<int16_t>(c)); ++k)
            clues.columnClues[c].push_back(
                model.columnClue(static_cast<int16_t>(c), static_cast<int16_t>(k)));
    return clues;
}

std::vector<int> PuzzleClues::cluesOfLine(const std::string &line)
{
    std::vector<int> runs;
    int run = 0;
    for (char cell : line) {
        if (cell == '#') {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.push_back(run);
    if (runs.empty())
        runs.push_back(0);
    return runs;
}

PuzzleClues PuzzleClues::fromPicture(const std::vector<std::string> &picture)
{
    PuzzleClues clues;
    clues.rows = static_cast<int>(picture.size());
    clues.columns = picture.empty() ? 0 : static_cast<int>(picture[0].size());
    for (const std::string &row : picture)
        clues.rowClues.push_back(cluesOfLine(row));
    for (int c = 0; c < clues.columns; ++c) {
        std::string column;
        for (const std::string &row : picture)
            column += row[c];
        clues.columnClues.push_back(cluesOfLine(column));
    }
    return clues;
}

bool PuzzleClues::isSolvedBy(const CellGrid &grid) const
{
    if (rows < 0 || columns < 0 || grid.size() != static_cast<size_t>(rows) * columns
        || rowClues.size() != static_cast<size_t>(rows)
        || columnClues.size() != static_cast<size_t>(columns))
        return false;
    for (int r = 0; r < rows; ++r) {
        const CellState *first = grid.data() + static_cast<size_t>(r) * columns;
        if (!lineMatchesClues(rowClues[r], columns, [first](int i) { return first[i]; }))
            return false;
    }
    for (int c = 0; c < columns; ++c) {
        const CellState *first = grid.data() + c;
        const size_t stride = static_cast<size_t>(columns);
        if (!lineMatchesClues(columnClues[c], rows,
                              [first, stride](int i) { return first[i * stride]; }))
            return false;
    }
    return true;
}

std::vector<std::string> pictureOfGrid(const CellGrid &grid, int columns)
{
    std::vector<std::string> picture;
    if (columns <= 0)
        return picture;
    for (size_t start = 0; start + columns <= grid.size(); start += columns) {
        std::string row(static_cast<size_t>(columns), '?');
        for (int c = 0; c < columns; ++c) {
            const CellState state = grid[start + c];
            row[c] = state == CellFilled ? '#' : state == CellEmpty ? '.' : '?';
        }
        picture.push_back(std::move(row));
    }
    return picture;
}

std::vector<std::string> pictureOfFilledCells(const CellGrid &cells, int rows, int columns)
{
    std::vector<std::string> picture(size_t(std::max(0, rows)),
                                     std::string(size_t(std::max(0, columns)), '.'));
    for (size_t i = 0; i < cells.size() && columns > 0 && i / size_t(columns) < picture.size(); ++i)
        if (cells[i] == CellFilled)
            picture[i / size_t(columns)][i % size_t(columns)] = '#';
    return picture;
}

CellGrid gridOfPicture(const std::vector<std::string> &picture)
{
    CellGrid grid;
    for (const std::string &row : picture)
        for (char cell : row)
            grid.push_back(cell == '#' ? CellFilled : cell == '?' ? CellUnknown : CellEmpty);
    return grid;
}

} // namespace zd
