#include "PuzzleClues.h"

#include "CMalovanaKrizovka.h"

#include <algorithm>

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
