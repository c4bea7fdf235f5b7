#pragma once

#include <QString>

class zdWidget;

namespace zd {

// Writes the grid as the view shows it (clues in the chosen look, grid lines,
// cell marks) at `cellSize`, on white, to a PNG or an SVG file chosen by the
// name's extension; the file is written whole or not at all. Returns an
// empty string on success, or why the image was not written.
QString exportGridImage(const zdWidget &view, int cellSize, const QString &fileName);

} // namespace zd
