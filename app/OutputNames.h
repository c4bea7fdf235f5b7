#pragma once

#include <QString>

namespace zd {

// What a save dialog suggests: the puzzle's own name with `suffix` (no dot),
// in the puzzle's folder; "puzzle" with the suffix when no file is open.
QString suggestedFileName(const QString &puzzlePath, const QString &suffix);

// `fileName` with ".suffix" added when it has no extension of its own.
QString withDefaultSuffix(const QString &fileName, const QString &suffix);

} // namespace zd
