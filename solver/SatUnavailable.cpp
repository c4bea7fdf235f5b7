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

Outcome satFindUpToTwoSolutions(const PuzzleLines &, const std::vector<uint8_t> &, SolveBudget &,
                                std::vector<std::vector<uint8_t>> &,
                                const std::vector<Implication> &, int64_t)
{
    return Outcome::Stopped;
}

} // namespace zd
