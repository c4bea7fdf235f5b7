#pragma once

#include "SolveBudget.h"

#include <cadical.hpp>
#include <climits>

namespace zd {

// What the clause encodings share (only built with CaDiCaL): literals for a
// cell known before encoding, and the stop that hands CaDiCaL the solve's
// budget (work counted, cancel, the user's time limit).
inline constexpr int literalTrue = INT_MAX;
inline constexpr int literalFalse = -INT_MAX;

class BudgetTerminator : public CaDiCaL::Terminator
{
public:
    explicit BudgetTerminator(SolveBudget &solveBudget)
        : budget(solveBudget)
    { }
    bool terminate() override { return budget.exhaustedNow(); }

private:
    SolveBudget &budget;
};

} // namespace zd
