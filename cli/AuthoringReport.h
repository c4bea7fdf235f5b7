#pragma once

#include "PuzzleFormats.h"
#include "PuzzleOutcome.h"

#include <atomic>
#include <string>

namespace zd {

// The --ambiguous and --make-unique parts of zdsolve's reports.

struct AuthoringRequest
{
    bool ambiguous = false; // --ambiguous
    bool makeUnique = false; // --make-unique
    bool brief = false; // the summary lines without grids
    double timeoutSeconds = 0; // for each of the two, as for the solve
    const std::atomic<bool> *cancel = nullptr;
    bool any() const { return ambiguous || makeUnique; }
};

// What the two options add to one puzzle's report, made on the thread that
// solved it from the solver's answer (the puzzle is not solved again).
struct AuthoredPuzzle
{
    std::string text; // after the report: a line each, then (unless brief) a grid each
    std::string jsonMembers; // "ambiguous", then "changes" and "picture"
};

AuthoredPuzzle authorOutcome(const PuzzleEntry &entry, const PuzzleOutcome &outcome,
                             const AuthoringRequest &request);

} // namespace zd
