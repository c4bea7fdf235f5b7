#include "ColourPuzzle.h"

#include <cstddef>
#include <map>

namespace zd {

int ColourPuzzle::colourOfSymbol(char symbol) const
{
    for (size_t k = 0; k < palette.size(); ++k)
        if (palette[k].symbol == symbol)
            return static_cast<int>(k);
    return colourUnknown;
}

bool ColourPuzzle::usesOneColour() const
{
    int seen = 0;
    for (const auto *lines : { &rowClues, &columnClues })
        for (const ColourLineClues &line : *lines)
            for (const ColourClue &clue : line) {
                if (seen != 0 && clue.colour != seen)
                    return false;
                seen = clue.colour;
            }
    return true;
}

PuzzleClues ColourPuzzle::blackAndWhiteClues() const
{
    PuzzleClues clues;
    clues.rows = rows;
    clues.columns = columns;
    const auto convert = [](const std::vector<ColourLineClues> &lines) {
        std::vector<std::vector<int>> numbers;
        for (const ColourLineClues &line : lines) {
            numbers.emplace_back();
            for (const ColourClue &clue : line)
                numbers.back().push_back(clue.length);
            if (numbers.back().empty())
                numbers.back().push_back(0);
        }
        return numbers;
    };
    clues.rowClues = convert(rowClues);
    clues.columnClues = convert(columnClues);
    return clues;
}

ColourLineClues colourCluesOfLine(const int *cells, int length, int stride)
{
    ColourLineClues clues;
    int previous = 0;
    for (int i = 0; i < length; ++i) {
        const int colour = cells[static_cast<ptrdiff_t>(i) * stride];
        if (colour != 0 && colour == previous)
            ++clues.back().length;
        else if (colour != 0)
            clues.push_back({ 1, colour });
        previous = colour;
    }
    return clues;
}

bool ColourPuzzle::isSolvedBy(const ColourGrid &grid) const
{
    if (grid.size() != static_cast<size_t>(rows) * columns)
        return false;
    for (int cell : grid)
        if (cell < 0 || cell >= static_cast<int>(palette.size()))
            return false;
    for (int r = 0; r < rows; ++r)
        if (colourCluesOfLine(grid.data() + static_cast<ptrdiff_t>(r) * columns, columns)
            != rowClues[r])
            return false;
    for (int c = 0; c < columns; ++c)
        if (colourCluesOfLine(grid.data() + c, rows, columns) != columnClues[c])
            return false;
    return true;
}

namespace {

// The fewest cells a line's blocks fill with the gaps they need.
int64_t shortestLine(const ColourLineClues &line)
{
    int64_t cells = 0;
    for (size_t j = 0; j < line.size(); ++j)
        cells += line[j].length + (j > 0 && line[j - 1].colour == line[j].colour ? 1 : 0);
    return cells;
}

std::string lineProblem(const std::vector<ColourLineClues> &lines, int length, const char *what,
                        int colours, std::map<int, int64_t> &totals)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const ColourClue &clue : lines[i]) {
            if (clue.colour <= 0 || clue.colour >= colours || clue.length <= 0)
                return std::string(what) + " " + std::to_string(i + 1)
                    + " has a clue of no colour of the palette";
            totals[clue.colour] += clue.length;
        }
        if (shortestLine(lines[i]) > length)
            return std::string(what) + " " + std::to_string(i + 1) + " needs "
                + std::to_string(shortestLine(lines[i])) + " cells but has "
                + std::to_string(length);
    }
    return {};
}

} // namespace

std::string ColourPuzzle::obviousProblem() const
{
    const int colours = static_cast<int>(palette.size());
    std::map<int, int64_t> rowTotals;
    std::map<int, int64_t> columnTotals;
    if (std::string problem = lineProblem(rowClues, columns, "row", colours, rowTotals);
        !problem.empty())
        return problem;
    if (std::string problem = lineProblem(columnClues, rows, "column", colours, columnTotals);
        !problem.empty())
        return problem;
    for (int k = 1; k < colours; ++k)
        if (rowTotals[k] != columnTotals[k])
            return "the rows hold " + std::to_string(rowTotals[k]) + " cells of " + palette[k].name
                + " but the columns " + std::to_string(columnTotals[k]);
    return {};
}

ColourPuzzle colourPuzzleOfGrid(std::vector<PaletteColour> palette, int rows, int columns,
                                const ColourGrid &grid)
{
    ColourPuzzle puzzle;
    puzzle.rows = rows;
    puzzle.columns = columns;
    puzzle.palette = std::move(palette);
    for (int r = 0; r < rows; ++r)
        puzzle.rowClues.push_back(
            colourCluesOfLine(grid.data() + static_cast<ptrdiff_t>(r) * columns, columns));
    for (int c = 0; c < columns; ++c)
        puzzle.columnClues.push_back(colourCluesOfLine(grid.data() + c, rows, columns));
    return puzzle;
}

std::vector<std::string> pictureOfColourGrid(const ColourPuzzle &puzzle, const ColourGrid &grid)
{
    std::vector<std::string> picture;
    if (puzzle.columns <= 0)
        return picture;
    for (size_t start = 0; start + puzzle.columns <= grid.size(); start += puzzle.columns) {
        std::string row;
        for (int c = 0; c < puzzle.columns; ++c) {
            const int cell = grid[start + c];
            const bool known = cell >= 0 && cell < static_cast<int>(puzzle.palette.size());
            row += !known ? '?' : cell == 0 ? '.' : puzzle.palette[cell].symbol;
        }
        picture.push_back(std::move(row));
    }
    return picture;
}

ColourGrid colourGridOfPicture(const ColourPuzzle &puzzle, const std::vector<std::string> &picture)
{
    ColourGrid grid;
    for (const std::string &row : picture)
        for (char symbol : row)
            grid.push_back(symbol == '.' ? 0 : puzzle.colourOfSymbol(symbol));
    return grid;
}

} // namespace zd
