#pragma once

#include "CellState.h"
#include "PuzzleClues.h"

class CMalovanaKrizovka;

namespace zd {

// A read-only look at one puzzle: its size, its clues and a state for every
// cell. The grid painter draws from it, so the view can show the legacy
// model's grid as well as a grid the complete solver found.
class PuzzleView
{
public:
    virtual ~PuzzleView() = default;

    virtual int rows() const = 0;
    virtual int columns() const = 0;
    virtual int rowClueCount(int row) const = 0;
    virtual int rowClue(int row, int k) const = 0;
    virtual int columnClueCount(int column) const = 0;
    virtual int columnClue(int column, int k) const = 0;
    virtual CellState cell(int row, int column) const = 0;
};

// The model's clues and, unless another grid of the model's size is given,
// the model's own grid.
class ModelPuzzleView final : public PuzzleView
{
public:
    explicit ModelPuzzleView(const CMalovanaKrizovka &model, const CellGrid *cells = nullptr);

    int rows() const override;
    int columns() const override;
    int rowClueCount(int row) const override;
    int rowClue(int row, int k) const override;
    int columnClueCount(int column) const override;
    int columnClue(int column, int k) const override;
    CellState cell(int row, int column) const override;

private:
    const CMalovanaKrizovka &model;
    const CellGrid *shownCells;
};

// Clues and a grid held apart from any model, such as a solver's result.
class CluesAndGridView final : public PuzzleView
{
public:
    // `cells` must hold clues.rows x clues.columns states.
    CluesAndGridView(const PuzzleClues &clues, const CellGrid &cells);

    int rows() const override { return clues.rows; }
    int columns() const override { return clues.columns; }
    int rowClueCount(int row) const override;
    int rowClue(int row, int k) const override { return clues.rowClues[row][k]; }
    int columnClueCount(int column) const override;
    int columnClue(int column, int k) const override { return clues.columnClues[column][k]; }
    CellState cell(int row, int column) const override;

private:
    const PuzzleClues &clues;
    const CellGrid &cells;
};

} // namespace zd
