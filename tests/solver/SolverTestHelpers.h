#pragma once

#include "CMalovanaKrizovka.h"
#include "CompleteSolver.h"
#include "PuzzleClues.h"

#include <string>
#include <vector>

inline SolveResult solveClues(const PuzzleClues &clues, const SolveOptions &options = {})
{
    CMalovanaKrizovka model;
    clues.applyTo(model);
    return solveCompletely(model, options);
}

inline SolveResult solvePicture(const std::vector<std::string> &picture)
{
    return solveClues(PuzzleClues::fromPicture(picture));
}

// A solver grid as rows of '#', '.' and '?' (undecided).
inline std::vector<std::string> pictureOf(const SolverGrid &grid, int columns)
{
    std::vector<std::string> rows;
    for (size_t i = 0; i < grid.size(); ++i) {
        if (i % columns == 0)
            rows.emplace_back();
        rows.back() += grid[i] == CellFilled ? '#' : grid[i] == CellEmpty ? '.' : '?';
    }
    return rows;
}

// True when every decided cell of `known` agrees with `picture`.
inline bool knownAgreesWith(const SolverGrid &known, const std::vector<std::string> &picture)
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
