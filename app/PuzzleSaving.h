#pragma once

#include "PuzzleFormats.h"

#include <QString>

class zdWidget;

namespace zd {

// The puzzle in the view as a file entry: its clues, and as its goal the grid
// shown when its filled cells solve the puzzle (a solution, a drawn picture).
PuzzleEntry puzzleEntryOf(const zdWidget &view);

// Writes the view's puzzle in the format of the name's extension (.zd, .zdb,
// .non or .xml; a colour puzzle only in the last two) through the puzzle writers; the file is
// written whole or not at all. Returns an empty string on success, or why the puzzle was not saved.
QString savePuzzle(const zdWidget &view, const QString &fileName);

} // namespace zd
