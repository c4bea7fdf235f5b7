#include "SatFallback.h"

namespace zd {

// Built when CaDiCaL is not installed: search alone decides every puzzle,
// with no fallback for the pathological ones.

bool satFallbackAvailable()
{
    return false;
}

bool satEncodingFits(const PuzzleLines &)
{
    return false;
}

PropagationResult satFindUpToTwoSolutions(const PuzzleLines &, const std::vector<uint8_t> &,
                                          SolveBudget &, std::vector<std::vector<uint8_t>> &,
                                          const std::vector<Implication> &, int64_t)
{
    return PropagationResult::Stopped;
}

// Without CaDiCaL every question stops unanswered.
struct SatPuzzle::Encoding
{
};

SatPuzzle::SatPuzzle(const PuzzleLines &, SolveBudget &) { }

SatPuzzle::~SatPuzzle() = default;

void SatPuzzle::fix(int, uint8_t) { }

PropagationResult SatPuzzle::solveWithAny(const std::vector<int> &, std::vector<uint8_t> &)
{
    return PropagationResult::Stopped;
}

} // namespace zd
