#pragma once

#include "CellState.h"

#include <QUndoCommand>
#include <functional>
#include <utility>

namespace zd {

// One undoable change of a grid the person edits (a stroke on the player's
// grid or the picture, a suggested fix): the grid before and after, put on
// screen by `show`. The change is on screen already when it is pushed.
class GridCommand : public QUndoCommand
{
public:
    GridCommand(const QString &text, CellGrid before, CellGrid after,
                std::function<void(const CellGrid &)> show)
        : QUndoCommand(text)
        , gridBefore(std::move(before))
        , gridAfter(std::move(after))
        , showGrid(std::move(show))
    { }

    void redo() override
    {
        if (!firstRedo)
            showGrid(gridAfter);
        firstRedo = false;
    }
    void undo() override { showGrid(gridBefore); }

private:
    CellGrid gridBefore;
    CellGrid gridAfter;
    std::function<void(const CellGrid &)> showGrid;
    bool firstRedo = true;
};

} // namespace zd
