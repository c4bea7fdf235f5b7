#include "SatFallback.h"

#include "BlockRanges.h"
#include "CellState.h"
#include "SatBudget.h"
#include "SolveBudget.h"

#include <algorithm>
#include <cadical.hpp>
#include <climits>
#include <initializer_list>
#include <memory>

namespace zd {

namespace {

class LineEncoder
{
public:
    explicit LineEncoder(CaDiCaL::Solver &satSolver, int cellCount)
        : solver(satSolver)
        , nextVariable(cellCount + 1)
    { }

    void addClause(std::initializer_list<int> literals)
    {
        for (int literal : literals)
            if (literal == literalTrue)
                return;
        for (int literal : literals)
            if (literal != literalFalse)
                solver.add(literal);
        solver.add(0);
    }

    void encodeLine(const PuzzleLines &lines, int line);

private:
    // "Block j starts at or before cell p"; constant outside its range.
    int startsBy(int j, int p) const
    {
        if (j >= static_cast<int>(earliest.size()) || p < earliest[j])
            return literalFalse;
        if (p >= latest[j])
            return literalTrue;
        return firstVariable[j] + (p - earliest[j]);
    }

    CaDiCaL::Solver &solver;
    int nextVariable;
    std::vector<int> earliest;
    std::vector<int> latest;
    std::vector<int> firstVariable;
};

void LineEncoder::encodeLine(const PuzzleLines &lines, int line)
{
    const int *clues = lines.clues(line);
    const int blocks = lines.clueCount(line);
    const int length = lines.lineLength(line);
    earliest.assign(blocks, 0);
    latest.assign(blocks, 0);
    firstVariable.assign(blocks, 0);
    packBlockRanges(
        static_cast<size_t>(blocks), length, [clues](size_t j) { return clues[j]; },
        [this](size_t j) -> int & { return earliest[j]; },
        [this](size_t j) -> int & { return latest[j]; });
    for (int j = 0; j < blocks; ++j) {
        firstVariable[j] = nextVariable;
        nextVariable += latest[j] - earliest[j];
    }
    for (int j = 0; j < blocks; ++j) {
        for (int p = earliest[j]; p < latest[j]; ++p)
            addClause({ -startsBy(j, p), startsBy(j, p + 1) });
        if (j + 1 < blocks)
            for (int p = earliest[j + 1]; p < latest[j + 1]; ++p)
                addClause({ -startsBy(j + 1, p), startsBy(j, p - clues[j] - 1) });
    }
    // Clauses whose literals are all constant say nothing. A block can
    // cover cell i only while its range reaches i (coverFrom..lastStarted);
    // it can be the last block started by i only while the next one may
    // still start after i (lastFrom..lastStarted). Both ends grow with i.
    int coverFrom = 0;
    int lastFrom = 0;
    int lastStarted = -1;
    for (int i = 0; i < length; ++i) {
        const int cell = lines.cellAt(line, i) + 1;
        addClause({ -cell, startsBy(0, i) });
        while (coverFrom < blocks && latest[coverFrom] + clues[coverFrom] <= i)
            ++coverFrom;
        while (lastFrom + 1 < blocks && latest[lastFrom + 1] <= i)
            ++lastFrom;
        while (lastStarted + 1 < blocks && earliest[lastStarted + 1] <= i)
            ++lastStarted;
        for (int j = coverFrom; j <= lastStarted; ++j)
            addClause({ cell, -startsBy(j, i), startsBy(j, i - clues[j]) });
        for (int j = lastFrom; j <= lastStarted; ++j)
            addClause({ -cell, -startsBy(j, i), startsBy(j + 1, i), -startsBy(j, i - clues[j]) });
    }
}

// The next solution must differ from this one in some cell that was not known.
void forbid(CaDiCaL::Solver &solver, const std::vector<uint8_t> &known,
            const std::vector<uint8_t> &solution)
{
    for (size_t cell = 0; cell < known.size(); ++cell)
        if (known[cell] == CellUnknown) {
            const int variable = static_cast<int>(cell) + 1;
            solver.add(solution[cell] == CellFilled ? -variable : variable);
        }
    solver.add(0);
}

} // namespace

bool satFallbackAvailable()
{
    return true;
}

// Counts the start variables: each block's range of starts, so the clauses,
// a small multiple of them plus a few per cell, stay bounded too.
bool satEncodingFits(const PuzzleLines &lines)
{
    constexpr int64_t maxVariables = 2'000'000;
    int64_t variables = lines.cellCount();
    for (int line = 0; line < lines.lineCount(); ++line) {
        int64_t used = lines.clueCount(line) - 1;
        for (int j = 0; j < lines.clueCount(line); ++j)
            used += lines.clues(line)[j];
        variables += lines.clueCount(line) * (lines.lineLength(line) - used);
    }
    return variables <= maxVariables;
}

PropagationResult satFindUpToTwoSolutions(const PuzzleLines &lines,
                                          const std::vector<uint8_t> &known, SolveBudget &budget,
                                          std::vector<std::vector<uint8_t>> &solutions,
                                          const std::vector<Implication> &implications,
                                          int64_t conflictLimit)
{
    CaDiCaL::Solver solver;
    solver.set("quiet", 1);
    // Tuned for satisfiable formulas: most puzzles that reach the fallback
    // have solutions (often many), and the search for them dominates.
    solver.configure("sat");
    // A portfolio's seeded searchers (Portfolio.h) differ in their first
    // phase and shuffle their variable order, so that each walks its own path.
    if (budget.seed() != 0) {
        solver.set("seed", static_cast<int>(budget.seed()));
        solver.set("phase", budget.seed() % 2 == 0 ? 1 : 0);
        solver.set("shuffle", 1);
        solver.set("shufflerandom", 1);
    }
    BudgetTerminator terminator(budget);
    solver.connect_terminator(&terminator);
    LineEncoder encoder(solver, lines.cellCount());
    for (int line = 0; line < lines.lineCount(); ++line)
        encoder.encodeLine(lines, line);
    for (int cell = 0; cell < lines.cellCount(); ++cell)
        if (known[cell] != CellUnknown)
            encoder.addClause({ known[cell] == CellFilled ? cell + 1 : -(cell + 1) });
    for (const Implication &implication : implications)
        encoder.addClause({ -implication.premise, implication.consequence });
    for (const std::vector<uint8_t> &solution : solutions)
        forbid(solver, known, solution);
    while (solutions.size() < 2) {
        if (conflictLimit >= 0)
            solver.limit("conflicts", static_cast<int>(std::min<int64_t>(conflictLimit, INT_MAX)));
        const int result = solver.solve();
        if (result == 20)
            break;
        if (result != 10)
            return PropagationResult::Stopped;
        std::vector<uint8_t> solution(known.size());
        for (int cell = 0; cell < lines.cellCount(); ++cell)
            solution[cell] = solver.val(cell + 1) > 0 ? CellFilled : CellEmpty;
        forbid(solver, known, solution);
        solutions.push_back(std::move(solution));
    }
    return PropagationResult::Consistent;
}

struct SatPuzzle::Encoding
{
    explicit Encoding(SolveBudget &budget)
        : terminator(budget)
    { }
    CaDiCaL::Solver solver;
    BudgetTerminator terminator;
    int cellCount = 0;
};

SatPuzzle::SatPuzzle(const PuzzleLines &lines, SolveBudget &budget)
    : encoding(std::make_unique<Encoding>(budget))
{
    CaDiCaL::Solver &solver = encoding->solver;
    solver.set("quiet", 1);
    // The default configuration, not "sat": the last question is always
    // unsatisfiable, and on the slowest random 30x30 puzzles it was faster.
    solver.connect_terminator(&encoding->terminator);
    encoding->cellCount = lines.cellCount();
    LineEncoder encoder(solver, lines.cellCount());
    for (int line = 0; line < lines.lineCount(); ++line)
        encoder.encodeLine(lines, line);
}

SatPuzzle::~SatPuzzle()
{
    encoding->solver.disconnect_terminator();
}

void SatPuzzle::fix(int cell, uint8_t state)
{
    encoding->solver.add(state == CellFilled ? cell + 1 : -(cell + 1));
    encoding->solver.add(0);
}

namespace {

PropagationResult readSolution(CaDiCaL::Solver &solver, int result, int cellCount,
                               std::vector<uint8_t> &solution)
{
    if (result == 20)
        return PropagationResult::Contradiction;
    if (result != 10)
        return PropagationResult::Stopped;
    solution.resize(static_cast<size_t>(cellCount));
    for (int cell = 0; cell < cellCount; ++cell)
        solution[cell] = solver.val(cell + 1) > 0 ? CellFilled : CellEmpty;
    return PropagationResult::Consistent;
}

} // namespace

PropagationResult SatPuzzle::solveWithAny(const std::vector<int> &literals,
                                          std::vector<uint8_t> &solution)
{
    // The clause holds only while a fresh variable is assumed; the unit
    // clause afterwards switches it off for good.
    CaDiCaL::Solver &solver = encoding->solver;
    const int switchOn = solver.vars() + 1;
    solver.add(-switchOn);
    for (int literal : literals)
        solver.add(literal);
    solver.add(0);
    solver.assume(switchOn);
    const PropagationResult answer
        = readSolution(solver, solver.solve(), encoding->cellCount, solution);
    solver.add(-switchOn);
    solver.add(0);
    return answer;
}

} // namespace zd
