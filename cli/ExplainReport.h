#pragma once

#include "Explanation.h"
#include "PuzzleClues.h"
#include "PuzzleFormats.h"
#include "PuzzleOutcome.h"

#include <string>

namespace zd {

// The --explain parts of zdsolve's reports.

// What --explain adds to one puzzle's report, made on the thread that solved it.
struct ExplainedPuzzle
{
    bool present = false; // no explanation for errors, timeouts and skipped puzzles
    std::string text; // explanationText
    std::string jsonMembers; // explanationJsonMembers
    Difficulty difficulty;
};

// Explains a solved puzzle from its outcome (the solver is not asked again)
// and gives the outcome the explanation's grade.
ExplainedPuzzle explainOutcome(const PuzzleEntry &entry, PuzzleOutcome &outcome,
                               double timeoutSeconds, const std::atomic<bool> *cancel);

// "steps:", the numbered steps (a probe's chain indented under it), how the
// steps end and the difficulty, then an empty line.
std::string explanationText(const Explanation &explanation, const PuzzleClues &clues);
// The members `"steps": [...], "difficulty": {...}` of the puzzle's JSON object.
std::string explanationJsonMembers(const Explanation &explanation, const PuzzleClues &clues);
// "12 overlap, 3 spaces, 1 line, 0 contradiction, 0 both, 0 search; longest chain 0"
std::string difficultyText(const Difficulty &difficulty);

} // namespace zd
