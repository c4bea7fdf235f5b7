#pragma once

#include <QString>

namespace zd {

struct PuzzleDrawing;

// Writes the grid as drawn (clues in the chosen look, grid lines,
// cell marks) at `cellSize`, on white, to a PNG or an SVG file chosen by the
// name's extension; the file is written whole or not at all. Returns an
// empty string on success, or why the image was not written. Any thread may
// call it.
QString exportGridImage(const PuzzleDrawing &drawing, int cellSize, const QString &fileName);

} // namespace zd
