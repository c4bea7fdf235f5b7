#include "ColourSearch.h"
#include "SatBudget.h"
#include "SolveBudget.h"

#include <algorithm>
#include <bit>
#include <cadical.hpp>
#include <climits>
#include <vector>

namespace zd {

namespace {

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
        const ColourLineClues &blocks = automaton.blocks();
        const int count = static_cast<int>(blocks.size());
        const size_t states = static_cast<size_t>(automaton.stateCount());
        // The starts each block can still take, from the live states.
        earliest.assign(blocks.size(), length);
        latest.assign(blocks.size(), -1);
        for (int j = 0; j < count; ++j)
            for (int p = 0; p < length; ++p)
                if (live[(static_cast<size_t>(p) + 1) * states + automaton.firstStateOfBlock(j)]) {
                    earliest[j] = std::min(earliest[j], p);
                    latest[j] = std::max(latest[j], p);
                }
        firstStart.assign(blocks.size(), 0);
        for (int j = 0; j < count; ++j) {
            firstStart[j] = nextVariable;
            nextVariable += std::max(0, latest[j] - earliest[j]);
        }
        const auto cell = [&](int p) {
            return start + static_cast<size_t>(p) * stride;
        };
        for (int j = 0; j < count; ++j) {
            for (int p = earliest[j]; p + 1 < latest[j]; ++p)
                addClause({ -startsBy(j, p), startsBy(j, p + 1) });
            if (j + 1 < count) {
                const int gap = blocks[j].colour == blocks[j + 1].colour ? 1 : 0;
                for (int p = earliest[j + 1]; p < latest[j + 1]; ++p)
                    addClause({ -startsBy(j + 1, p), startsBy(j, p - blocks[j].length - gap) });
            }
        }
        // Cell p shows the last block started at or before it while that
        // block still covers it, else the background.
        for (int p = 0; p < length; ++p) {
            const size_t at = cell(p);
            addClause({ startsBy(0, p), cellLiteral(at, 0) });
            for (int j = 0; j < count; ++j) {
                if (startsBy(j, p) == literalFalse)
                    break;
                const int later = startsBy(j + 1, p);
                const int stillCovers = -startsBy(j, p - blocks[j].length);
                addClause(
                    { -startsBy(j, p), later, -stillCovers, cellLiteral(at, blocks[j].colour) });
                addClause({ -startsBy(j, p), later, stillCovers, cellLiteral(at, 0) });
            }
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
    // "Block j of the line being encoded starts at or before cell p".
    int startsBy(int j, int p) const
    {
        if (j >= static_cast<int>(earliest.size()) || p < earliest[j])
            return literalFalse;
        if (p >= latest[j])
            return literalTrue;
        return firstStart[j] + (p - earliest[j]);
    }

    CaDiCaL::Solver &solver;
    const ColourLines &lines;
    const ColourCells &cells;
    std::vector<int> firstVariable;
    int nextVariable = 1;
    std::vector<int> earliest;
    std::vector<int> latest;
    std::vector<int> firstStart;
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
