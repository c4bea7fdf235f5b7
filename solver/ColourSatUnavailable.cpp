#include "ColourSearch.h"

namespace zd {

// Built without CaDiCaL: search alone, without a node limit, decides.

bool colourSatAvailable()
{
    return false;
}

ColourStep colourSatSolutions(const ColourLines &, const ColourCells &, SolveBudget &,
                              std::vector<ColourCells> &, uint32_t)
{
    return ColourStep::Stopped;
}

} // namespace zd
