#pragma once

#include "CompleteSolver.h"
#include "PuzzleClues.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace zd {

inline SolveResult solveClues(const PuzzleClues &clues, const SolveOptions &options = {})
{
    return solveCompletely(clues, options);
}

inline SolveResult solvePicture(const std::vector<std::string> &picture)
{
    return solveClues(PuzzleClues::fromPicture(picture));
}

// A solver grid as rows of '#', '.' and '?' (undecided).
inline std::vector<std::string> pictureOf(const CellGrid &grid, int columns)
{
    return pictureOfGrid(grid, columns);
}

// The solver's internal byte grid as rows of '#', '.' and '?'.
inline std::vector<std::string> pictureOfCells(const std::vector<uint8_t> &cells, int columns)
{
    CellGrid grid;
    for (uint8_t cell : cells)
        grid.push_back(static_cast<CellState>(cell));
    return pictureOfGrid(grid, columns);
}

// A grid from raw state values, including ones that are no cell state.
inline CellGrid cellsOf(std::initializer_list<int> states)
{
    CellGrid grid;
    for (int state : states)
        grid.push_back(static_cast<CellState>(state));
    return grid;
}

// True when every decided cell of `known` agrees with `picture`.
inline bool knownAgreesWith(const CellGrid &known, const std::vector<std::string> &picture)
{
    const std::vector<std::string> rows = pictureOf(known, static_cast<int>(picture[0].size()));
    if (rows.size() != picture.size())
        return false;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] != '?' && rows[r][c] != picture[r][c])
                return false;
    return true;
}

} // namespace zd
