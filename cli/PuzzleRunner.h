#pragma once

#include "PuzzleFormats.h"
#include "PuzzleOutcome.h"

#include <functional>
#include <vector>

namespace zd {

using SolveOne = std::function<PuzzleOutcome(const PuzzleEntry &)>;
// Receives each outcome in the entries' order, on the calling thread.
using DeliverOne = std::function<void(size_t index, PuzzleOutcome &&outcome)>;
// Told how many outcomes are done, now and then, on the calling thread.
using ReportProgress = std::function<void(size_t done)>;

// Solves the entries on `jobs` threads and hands the outcomes over in order,
// as soon as each one and all before it are done. With jobs <= 1 everything
// runs on the calling thread (the line method needs that).
void runPuzzles(const std::vector<PuzzleEntry> &entries, int jobs, const SolveOne &solve,
                const DeliverOne &deliver, const ReportProgress &progress);

} // namespace zd
