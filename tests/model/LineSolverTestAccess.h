#pragma once

#include "CMalovanaKrizovka.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

// Lets the tests set cells and the method flag of a model and read its clue
// records, which solve() alone never exposes.
struct LineSolverTestAccess
{
    static void setCell(CMalovanaKrizovka &model, int row, int column, int32_t state)
    {
        model.grid[model.cellIndex(row, column)] = state;
    }
    static void setFastMode(CMalovanaKrizovka &model, bool fast) { model.fastMode = fast ? 1 : 0; }
    static ClueList &rowClues(CMalovanaKrizovka &model, int row) { return model.rowClueLists[row]; }
    static ClueList &columnClues(CMalovanaKrizovka &model, int column)
    {
        return model.columnClueLists[column];
    }
};

// Lines in tests are pictures: '#' filled, '.' empty, '?' not decided.
inline int32_t stateOf(char symbol)
{
    return symbol == '#' ? CellFilled : symbol == '.' ? CellEmpty : CellUnknown;
}

inline char symbolOf(int32_t state)
{
    return state == CellFilled ? '#' : state == CellEmpty ? '.' : '?';
}

// A model of one row holding the line `picture` with `clues`, block ranges
// computed as solve computes them.
inline CMalovanaKrizovka rowModel(const std::string &picture, const std::vector<int> &clues)
{
    CMalovanaKrizovka model;
    model.setSize(1, static_cast<int16_t>(picture.size()));
    for (int clue : clues)
        model.addRowClue(0, static_cast<int16_t>(clue));
    model.computeAllBlockRanges();
    for (std::size_t c = 0; c < picture.size(); ++c)
        LineSolverTestAccess::setCell(model, 0, static_cast<int>(c), stateOf(picture[c]));
    return model;
}

inline std::string rowPicture(const CMalovanaKrizovka &model, int row = 0)
{
    std::string picture;
    for (int c = 0; c < model.columnCount(); ++c)
        picture += symbolOf(model.cell(static_cast<int16_t>(row), static_cast<int16_t>(c)));
    return picture;
}

inline std::vector<std::string> gridPicture(const CMalovanaKrizovka &model)
{
    std::vector<std::string> picture;
    for (int r = 0; r < model.rowCount(); ++r)
        picture.push_back(rowPicture(model, r));
    return picture;
}

// Runs one line solve on row 0 with the method chosen; returns its result.
inline int solveOneRow(CMalovanaKrizovka &model, bool fast, int32_t *steps = nullptr)
{
    int32_t localSteps = 0;
    LineSolverTestAccess::setFastMode(model, fast);
    return model.solveRow(0, steps ? steps : &localSteps);
}

inline std::vector<int> earliestStarts(CMalovanaKrizovka &model)
{
    std::vector<int> starts;
    for (const Clue &clue : LineSolverTestAccess::rowClues(model, 0))
        starts.push_back(clue.earliestStart);
    return starts;
}

// Standard output written while `action` runs (solve writes its pass lines
// there with printf).
template<typename Action> std::string capturedStdout(Action action)
{
    std::fflush(stdout);
    std::FILE *capture = std::tmpfile();
    const int saved = dup(fileno(stdout));
    dup2(fileno(capture), fileno(stdout));
    action();
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    std::string text;
    std::rewind(capture);
    for (int ch = std::fgetc(capture); ch != EOF; ch = std::fgetc(capture))
        text += static_cast<char>(ch);
    std::fclose(capture);
    return text;
}
