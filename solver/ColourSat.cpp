#include "ColourSearch.h"
#include "SolveBudget.h"

#include <bit>
#include <cadical.hpp>
#include <climits>
#include <vector>

namespace zd {

namespace {

constexpr int literalTrue = INT_MAX;
constexpr int literalFalse = -INT_MAX;

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

class ColourEncoder
{
public:
    ColourEncoder(CaDiCaL::Solver &satSolver, const ColourLines &colourLines,
                  const ColourCells &knownCells)
        : solver(satSolver)
        , lines(colourLines)
        , cells(knownCells)
        , firstVariable(knownCells.size(), 0)
    {
        for (size_t i = 0; i < cells.size(); ++i)
            if (!isDecided(cells[i])) {
                firstVariable[i] = nextVariable;
                nextVariable += std::popcount(cells[i]);
            }
    }

    // "Cell i has colour c", or a constant when the cell is decided or c is ruled out.
    int cellLiteral(size_t i, int colour) const
    {
        const ColourMask bit = ColourMask(1) << colour;
        if ((cells[i] & bit) == 0)
            return literalFalse;
        if (isDecided(cells[i]))
            return literalTrue;
        return firstVariable[i] + std::popcount(cells[i] & (bit - 1));
    }

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

    void encodeCells()
    {
        for (size_t i = 0; i < cells.size(); ++i) {
            if (isDecided(cells[i]))
                continue;
            const int count = std::popcount(cells[i]);
            for (int k = 0; k < count; ++k)
                solver.add(firstVariable[i] + k);
            solver.add(0);
            for (int a = 0; a < count; ++a)
                for (int b = a + 1; b < count; ++b)
                    addClause({ -(firstVariable[i] + a), -(firstVariable[i] + b) });
        }
    }

    // False when the line has no placement at all.
    bool encodeLine(int line)
    {
        const bool isRow = line < lines.rows;
        const int index = isRow ? line : line - lines.rows;
        const int length = isRow ? lines.columns : lines.rows;
        const int stride = isRow ? 1 : lines.columns;
        const size_t start = isRow ? static_cast<size_t>(index) * lines.columns : index;
        const ColourLine &automaton = lines.lines[line];
        const std::vector<uint8_t> live = automaton.liveStates(&cells[start], length, stride);
        if (live.empty())
            return false;
        const size_t states = static_cast<size_t>(automaton.stateCount());
        std::vector<int> stateVariable(live.size(), 0);
        const auto stateLiteral = [&](int i, int state) {
            const size_t at = static_cast<size_t>(i) * states + state;
            if (!live[at])
                return literalFalse;
            if (i == 0)
                return literalTrue;
            if (stateVariable[at] == 0)
                stateVariable[at] = nextVariable++;
            return stateVariable[at];
        };
        for (int i = 0; i < length; ++i) {
            const size_t cell = start + static_cast<size_t>(i) * stride;
            for (int q = 0; q < automaton.stateCount(); ++q) {
                const int here = stateLiteral(i, q);
                if (here == literalFalse)
                    continue;
                for (ColourMask rest = cells[cell]; rest != 0; rest &= rest - 1) {
                    const int colour = std::countr_zero(rest);
                    const int target = automaton.next(q, colour);
                    const int after = target < 0 ? literalFalse : stateLiteral(i + 1, target);
                    addClause({ -here, -cellLiteral(cell, colour), after });
                }
            }
            // Some state is live after every cell: lets the solver reason backwards.
            std::vector<int> someState;
            bool always = false;
            for (int q = 0; q < automaton.stateCount(); ++q)
                if (const int literal = stateLiteral(i + 1, q); literal != literalFalse) {
                    always = always || literal == literalTrue;
                    someState.push_back(literal);
                }
            if (always)
                continue;
            for (int literal : someState)
                solver.add(literal);
            solver.add(0);
        }
        return true;
    }

    void forbid(const ColourCells &solution)
    {
        for (size_t i = 0; i < cells.size(); ++i)
            if (!isDecided(cells[i]))
                solver.add(-cellLiteral(i, colourOfMask(solution[i])));
        solver.add(0);
    }

    ColourCells readSolution() const
    {
        ColourCells solution = cells;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (isDecided(cells[i]))
                continue;
            for (ColourMask rest = cells[i]; rest != 0; rest &= rest - 1)
                if (solver.val(cellLiteral(i, std::countr_zero(rest))) > 0)
                    solution[i] = rest & (~rest + 1);
        }
        return solution;
    }

private:
    CaDiCaL::Solver &solver;
    const ColourLines &lines;
    const ColourCells &cells;
    std::vector<int> firstVariable;
    int nextVariable = 1;
};

} // namespace

bool colourSatAvailable()
{
    return true;
}

ColourStep colourSatSolutions(const ColourLines &lines, const ColourCells &cells,
                              SolveBudget &budget, std::vector<ColourCells> &solutions,
                              uint32_t seed)
{
    // The terminator outlives the solver that calls it.
    BudgetTerminator terminator(budget);
    CaDiCaL::Solver solver;
    solver.set("quiet", 1);
    if (seed != 0) {
        solver.set("seed", static_cast<int>(seed));
        solver.set("phase", seed % 2 == 0 ? 1 : 0);
    }
    solver.connect_terminator(&terminator);
    ColourEncoder encoder(solver, lines, cells);
    encoder.encodeCells();
    for (int line = 0; line < lines.lineCount(); ++line)
        if (!encoder.encodeLine(line))
            return ColourStep::Consistent;
    for (const ColourCells &solution : solutions)
        encoder.forbid(solution);
    while (solutions.size() < 2) {
        const int answer = solver.solve();
        if (answer == 20)
            break;
        if (answer != 10)
            return ColourStep::Stopped;
        solutions.push_back(encoder.readSolution());
        if (allDecided(cells))
            break;
        encoder.forbid(solutions.back());
    }
    return ColourStep::Consistent;
}

} // namespace zd
