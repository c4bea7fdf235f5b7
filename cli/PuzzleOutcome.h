#pragma once

#include "CompleteSolver.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zd {

// What zdsolve reports about one puzzle, whichever method solved it.
struct PuzzleOutcome
{
    std::string name; // file, or file#N
    int rows = 0;
    int columns = 0;
    // The solver's verdict; the line method's result code maps onto it
    // (0 solved: Unique, 1 rejected: None, 2 stuck: Undecided).
    Verdict verdict = Verdict::Undecided;
    // Instead of a verdict: the puzzle could not be read or solved.
    bool failed = false;
    std::string error; // the message when failed
    bool solverFault = false; // failed: the solver's answer broke the clues
    std::optional<Grade> grade; // how a solution is reached; none without one
    double seconds = 0;
    CellGrid solution;
    CellGrid other; // multiple: a second solution
    CellGrid known; // undecided, and the line method's grid
    bool skipped = false; // not solved because the run was interrupted; not reported
    std::string reason; // none: why, when the solver can tell

    // The line method's own figures.
    bool lineMethod = false;
    std::string passLines; // one '1' or '0' per pass, as the model printed them
    int resultCode = -1;
    int32_t steps = 0;
    int32_t passes = 0;

    int64_t searchNodes = 0;
    int64_t probes = 0;

    bool hasVerdict(Verdict wanted) const { return !failed && verdict == wanted; }
};

// The word reports use for the outcome: "unique", "multiple", "none",
// "timeout" or "error"; the line method says "solved", "rejected" or "stuck".
std::string verdictWord(const PuzzleOutcome &outcome);

} // namespace zd
