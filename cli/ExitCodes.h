#pragma once

namespace zd {

// What zdsolve's exit status means; the help text and docs/zdsolve.md list
// the same. When several apply, the highest number wins.
enum ExitCode : int {
    ExitAllAnswered = 0, // every puzzle unique (line method: solved) or converted
    ExitNotUnique = 1, // some puzzle multiple, none or timeout (line: stuck, rejected)
    ExitBadFile = 2, // some file or puzzle could not be read or written
    ExitSolverFault = 3, // the solver reported a grid that breaks the clues
    ExitUsage = 64, // bad command line; nothing was solved
    ExitInterrupted = 130, // Ctrl-C: the puzzles not yet started were skipped
};

} // namespace zd
