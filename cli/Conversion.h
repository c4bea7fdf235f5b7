#pragma once

#include "PuzzleFormats.h"

#include <string>
#include <vector>

namespace zd {

// Converts read puzzles to another format: to standard output when there is
// one puzzle and no `outputPath`, to `outputPath` itself for one puzzle, or
// into the folder `outputPath` (an existing folder, or a name ending in '/')
// as NAME.EXT, NAME-N.EXT for puzzle N of a batch file. Messages go to
// standard error; returns the exit code (see ExitCodes.h). Nothing is written
// when a destination is one of `inputPaths`; each file is written whole or
// not at all.
int convertPuzzles(const std::vector<PuzzleEntry> &entries, PuzzleFormat target,
                   const std::string &outputPath, const std::vector<std::string> &inputPaths);

// The file name a puzzle gets in an output folder: "a.zd" -> "a.non",
// "b.tcga#12" -> "b-12.non".
std::string convertedFileName(const std::string &entryName, PuzzleFormat target);

} // namespace zd
