#include "PuzzleDocument.h"

#include <QUndoStack>
#include <algorithm>

namespace zd {

PuzzleDocument::PuzzleDocument(QObject *parent)
    : QObject(parent)
    , undo(new QUndoStack(this))
{
    connect(undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setModified(!clean); });
}

PuzzleDocument::~PuzzleDocument() = default;

size_t PuzzleDocument::cellCount() const
{
    return static_cast<size_t>(std::max<int>(puzzle.rowCount(), 0))
        * static_cast<size_t>(std::max<int>(puzzle.columnCount(), 0));
}

QString PuzzleDocument::loadText(const char *path)
{
    puzzle.load(path);
    return finishLoad(std::nullopt);
}

QString PuzzleDocument::loadClues(const PuzzleClues &clues, const char *path)
{
    puzzle.loadClues(clues, path);
    return finishLoad(std::nullopt);
}

QString PuzzleDocument::loadColourPuzzle(const ColourPuzzle &colourClues, const char *path)
{
    puzzle.loadClues(colourClues.blackAndWhiteClues(), path);
    return finishLoad(colourClues);
}

QString PuzzleDocument::finishLoad(std::optional<ColourPuzzle> colourClues)
{
    QString error = QString::fromLocal8Bit(puzzle.lastError());
    if (error.isEmpty()) {
        colour = std::move(colourClues);
        forgetShownGrids();
    }
    // A failed load leaves the clues as they were, but a repaint costs
    // nothing and keeps the screen honest either way.
    emit cluesChanged();
    return error;
}

void PuzzleDocument::forgetShownGrids()
{
    forgetSolutions();
    player.assign(cellCount(), CellUnknown);
    drawn.assign(cellCount(), CellUnknown);
    marked.clear();
    highlighted = {};
    highlightCells.clear();
    inks = {};
    hover = cursor = { -1, -1 };
    undo->clear();
    setModified(false);
}

void PuzzleDocument::forgetSolutions()
{
    // The marks tell where the solutions differ: they go with them.
    solverCells.reset();
    secondCells.clear();
    colourShown.clear();
    colourSecond.clear();
    marked.clear();
}

void PuzzleDocument::setTitle(const QString &title)
{
    if (title == shownTitle)
        return;
    shownTitle = title;
    emit titleChanged(title);
}

int PuzzleDocument::solveLines()
{
    forgetSolutions();
    const int result = puzzle.solve(nullptr, 0);
    emit cellsChanged();
    return result;
}

void PuzzleDocument::takeSolvedModel(const CMalovanaKrizovkaFromFile &solved)
{
    puzzle = solved;
    forgetSolutions();
    emit cellsChanged();
}

void PuzzleDocument::showSolverGrid(CellGrid cells, CellGrid second)
{
    if (!fits(cells))
        return;
    solverCells = std::move(cells);
    secondCells = fits(second) ? std::move(second) : CellGrid();
    marked.clear();
    emit cellsChanged();
}

void PuzzleDocument::clearSolverGrid()
{
    forgetSolutions();
    emit cellsChanged();
}

bool PuzzleDocument::swapSolutions()
{
    if (!solverCells || secondCells.empty())
        return false;
    std::swap(*solverCells, secondCells);
    if (!colourSecond.empty())
        std::swap(colourShown, colourSecond);
    emit cellsChanged();
    return true;
}

void PuzzleDocument::showColourCells(ColourGrid cells, ColourGrid second)
{
    if (!colour || cells.size() != cellCount())
        return;
    colourShown = std::move(cells);
    colourSecond = second.size() == cellCount() ? std::move(second) : ColourGrid();
    emit cellsChanged();
}

void PuzzleDocument::setPlayerGrid(CellGrid cells)
{
    if (!fits(cells))
        return;
    player = std::move(cells);
    if (currentLook == DocumentLook::Player)
        emit cellsChanged();
}

void PuzzleDocument::setPicture(CellGrid cells)
{
    if (!fits(cells))
        return;
    drawn = std::move(cells);
    if (currentLook == DocumentLook::Picture)
        emit cellsChanged();
}

void PuzzleDocument::drawPicture(int rows, int columns, CellGrid cells)
{
    PuzzleClues drawnClues = PuzzleClues::fromPicture(pictureOfFilledCells(cells, rows, columns));
    drawnClues.rows = rows;
    drawnClues.columns = columns;
    const std::string path = puzzle.filePath();
    puzzle.loadClues(drawnClues, path.c_str());
    colour.reset();
    forgetSolutions();
    drawn = std::move(cells);
    if (player.size() != drawn.size())
        player.assign(drawn.size(), CellUnknown);
    emit cluesChanged();
}

void PuzzleDocument::setLook(DocumentLook look)
{
    if (look == currentLook)
        return;
    currentLook = look;
    emit cellsChanged();
}

const CellGrid *PuzzleDocument::shownCells() const
{
    switch (currentLook) {
    case DocumentLook::Solved:
        return solverGrid();
    case DocumentLook::Player:
        return &player;
    case DocumentLook::Picture:
        return &drawn;
    }
    return nullptr;
}

void PuzzleDocument::setMarks(std::vector<bool> cells)
{
    marked = cells.size() == cellCount() ? std::move(cells) : std::vector<bool>();
    emit cellsChanged();
}

void PuzzleDocument::setHighlight(LineRef line, std::vector<bool> cells)
{
    highlighted = line;
    highlightCells = cells.size() == cellCount() ? std::move(cells) : std::vector<bool>();
    emit cellsChanged();
}

void PuzzleDocument::setClueInks(ClueInks lineInks)
{
    inks = std::move(lineInks);
    emit cellsChanged();
}

void PuzzleDocument::setHoverCell(int row, int column)
{
    if (hover == std::pair(row, column))
        return;
    hover = { row, column };
    emit cellsChanged();
}

void PuzzleDocument::setCursorCell(int row, int column)
{
    if (cursor == std::pair(row, column))
        return;
    cursor = { row, column };
    emit cellsChanged();
}

void PuzzleDocument::setModified(bool on)
{
    if (on == modified)
        return;
    modified = on;
    emit modifiedChanged(on);
}

} // namespace zd
