#pragma once

#include "CompleteSolver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zd {

// What zdsolve reports about one puzzle, whichever method solved it: the
// solver's answer, with what the tool adds beside it.
struct PuzzleOutcome
{
    std::string name; // file, or file#N
    // The verdict, the grid's size, the solutions, the known cells and the
    // search's figures, as the solver gave them, with these differences: the
    // line method's result code maps onto the verdict (0 solved: Unique,
    // 1 rejected: None, 2 stuck: Undecided) and its grid is `known`; the
    // solver's `known` is kept only when Undecided; `seconds` is the time
    // the tool measured around the solve; `problem` is why there is no
    // solution, when the solver can tell.
    SolveResult result;
    // Instead of a verdict: the puzzle could not be read or solved.
    bool failed = false;
    std::string error; // the message when failed
    bool solverFault = false; // failed: the solver's answer broke the clues
    bool skipped = false; // not solved because the run was interrupted; not reported

    // A colour puzzle's grids as reports show them, one string per row:
    // '.' the background, each colour its character, '?' undecided. The
    // grids of `result` stay empty for them.
    bool colour = false;
    std::vector<std::string> colourSolution;
    std::vector<std::string> colourOther;
    std::vector<std::string> colourKnown;

    // The line method's own figures.
    bool lineMethod = false;
    std::string passLines; // one '1' or '0' per pass, as the model printed them
    int resultCode = -1;
    int32_t steps = 0;
    int32_t passes = 0;

    bool hasVerdict(Verdict wanted) const { return !failed && result.verdict == wanted; }
    // How a solution is reached: the solver's grade when it found one, else none.
    std::optional<Grade> grade() const
    {
        if (lineMethod || !(hasVerdict(Verdict::Unique) || hasVerdict(Verdict::Multiple)))
            return std::nullopt;
        return result.grade;
    }
};

// The word reports use for the outcome: "unique", "multiple", "none",
// "timeout" or "error"; the line method says "solved", "rejected" or "stuck".
std::string verdictWord(const PuzzleOutcome &outcome);

} // namespace zd
