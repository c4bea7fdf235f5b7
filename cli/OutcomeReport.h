#pragma once

#include "PuzzleOutcome.h"

#include <map>
#include <string>
#include <string_view>

namespace zd {

// The text and JSON forms of an outcome, and the summary of a run.

// The verdict line and (unless brief) the grid or grids, ending with an empty
// line when a grid was written.
std::string textReport(const PuzzleOutcome &outcome, bool brief);
// One JSON object on one line; `moreMembers` (JSON members, may be empty)
// goes in last.
std::string jsonReport(const PuzzleOutcome &outcome, std::string_view moreMembers = {});

// Counts of a run, for the summary and the exit code.
class RunSummary
{
public:
    void add(const PuzzleOutcome &outcome);
    int puzzles() const { return count; }
    int exitCode() const { return worstExit; }
    // "12 puzzles: 10 unique, 1 multiple, 1 error; 0.530 s in all, slowest
    // 0.200 s (file)", with a line feed.
    std::string text() const;

private:
    std::map<std::string, int> verdicts;
    int count = 0;
    int worstExit = 0;
    double totalSeconds = 0;
    double slowestSeconds = -1;
    std::string slowestName;
};

// The exit code one outcome asks for (see ExitCodes.h).
int exitCodeFor(const PuzzleOutcome &outcome);

} // namespace zd
