#include "LpUniqueness.h"

namespace zd {

// Built when GLPK is not installed: uniqueness is left to search and SAT.

bool lpUniquenessAvailable()
{
    return false;
}

bool lpProvesUnique(const PuzzleLines &, const std::vector<uint8_t> &, const std::vector<uint8_t> &,
                    SolveBudget &)
{
    return false;
}

} // namespace zd
