#include "LpUniqueness.h"

#include "BlockRanges.h"
#include "CellState.h"
#include "SolveBudget.h"

#include <algorithm>
#include <glpk.h>

namespace zd {

namespace {

// Programs beyond this many matrix entries take GLPK too long to pay.
constexpr size_t maxEntries = 400'000;
// Most simplex iterations a program may take per cell of the puzzle,
// however much of the time limit is left: the SAT solver still has to be
// given time when the program proves nothing. Counted in iterations, not
// seconds, so that whether a proof is found does not depend on how busy the
// machine is. The N-Dom puzzles need 3 to 4 per cell (6,674 on 41x41); a
// 25x25 puzzle gets 3,125, about what 2 s bought on an idle machine.
constexpr int iterationsPerCell = 5;
// GLPK cannot be interrupted, so it runs in slices of this many iterations,
// each going on from the basis the last one reached; the time limit and the
// cancel flag are checked in between.
constexpr int sliceIterations = 250;

// The program in the form GLPK loads: columns 1..columnCount (cells first,
// column c + 1 being cell c, then the block starts), rows 1..rowCount, and
// the matrix as (row, column, value) triplets with a dummy entry at index 0.
struct Program
{
    int columnCount = 0;
    std::vector<double> objective { 0 };
    std::vector<double> lower { 0 };
    std::vector<double> upper { 0 };
    int rowCount = 0;
    std::vector<int> rowType { 0 }; // GLP_FX or GLP_UP
    std::vector<double> rowBound { 0 };
    std::vector<int> entryRow { 0 };
    std::vector<int> entryColumn { 0 };
    std::vector<double> entryValue { 0 };

    void addColumn(double cost, double low, double high)
    {
        objective.push_back(cost);
        lower.push_back(low);
        upper.push_back(high);
        ++columnCount;
    }
    void beginRow() { ++rowCount; }
    void add(int column, double value)
    {
        entryRow.push_back(rowCount);
        entryColumn.push_back(column);
        entryValue.push_back(value);
    }
    void endRow(int type, double bound)
    {
        rowType.push_back(type);
        rowBound.push_back(bound);
    }
    size_t entries() const { return entryValue.size() - 1; }
};

// One variable per possible start of each block of the line: exactly one
// start per block, block j + 1 starting by p only when block j started by
// p - clue - 1, and each cell equal to the starts that cover it.
bool addLine(Program &program, const PuzzleLines &lines, int line)
{
    const int *clues = lines.clues(line);
    const int blocks = lines.clueCount(line);
    const int length = lines.lineLength(line);
    std::vector<int> earliest(blocks, 0);
    std::vector<int> latest(blocks, 0);
    std::vector<int> firstColumn(blocks, 0);
    packBlockRanges(
        static_cast<size_t>(blocks), length, [clues](size_t j) { return clues[j]; },
        [&earliest](size_t j) -> int & { return earliest[j]; },
        [&latest](size_t j) -> int & { return latest[j]; });
    for (int j = 0; j < blocks; ++j) {
        firstColumn[j] = program.columnCount + 1;
        for (int s = earliest[j]; s <= latest[j]; ++s)
            program.addColumn(0, 0, 1);
    }
    auto start = [&](int j, int s) {
        return firstColumn[j] + s - earliest[j];
    };
    for (int j = 0; j < blocks; ++j) {
        program.beginRow();
        for (int s = earliest[j]; s <= latest[j]; ++s)
            program.add(start(j, s), 1);
        program.endRow(GLP_FX, 1);
    }
    for (int j = 0; j + 1 < blocks; ++j)
        for (int p = earliest[j + 1]; p < latest[j + 1]; ++p) {
            program.beginRow();
            for (int s = earliest[j + 1]; s <= p; ++s)
                program.add(start(j + 1, s), 1);
            for (int s = earliest[j]; s <= std::min(p - clues[j] - 1, latest[j]); ++s)
                program.add(start(j, s), -1);
            program.endRow(GLP_UP, 0);
            if (program.entries() > maxEntries)
                return false;
        }
    for (int i = 0; i < length; ++i) {
        program.beginRow();
        for (int j = 0; j < blocks; ++j)
            for (int s = std::max(earliest[j], i - clues[j] + 1); s <= std::min(latest[j], i); ++s)
                program.add(start(j, s), 1);
        program.add(lines.cellAt(line, i) + 1, -1);
        program.endRow(GLP_FX, 0);
    }
    return program.entries() <= maxEntries;
}

// An upper bound on the objective over the whole relaxation from row
// multipliers `dual` (any values; those of inequality rows are clamped to
// the sign that keeps the bound valid): by weak duality it holds whether or
// not GLPK's solution is accurate.
double dualBound(const Program &program, const std::vector<double> &dual)
{
    std::vector<double> multiplier(dual);
    double bound = 0;
    for (int row = 1; row <= program.rowCount; ++row) {
        if (program.rowType[row] == GLP_UP)
            multiplier[row] = std::max(multiplier[row], 0.0);
        bound += multiplier[row] * program.rowBound[row];
    }
    std::vector<double> reduced(program.objective);
    for (size_t k = 1; k <= program.entries(); ++k)
        reduced[program.entryColumn[k]] -= program.entryValue[k] * multiplier[program.entryRow[k]];
    for (int column = 1; column <= program.columnCount; ++column)
        bound += std::max(reduced[column] * program.lower[column],
                          reduced[column] * program.upper[column]);
    return bound;
}

// Solves the program; returns the smallest bound the duals give, or a huge
// value when GLPK did not reach the optimum within its iterations or the
// time limit.
double solvedBound(const Program &program, int maxIterations, SolveBudget &budget)
{
    constexpr double noBound = 1e300;
    glp_term_out(GLP_OFF);
    glp_prob *lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MAX);
    glp_add_cols(lp, program.columnCount);
    for (int column = 1; column <= program.columnCount; ++column) {
        const double low = program.lower[column];
        const double high = program.upper[column];
        glp_set_col_bnds(lp, column, low == high ? GLP_FX : GLP_DB, low, high);
        glp_set_obj_coef(lp, column, program.objective[column]);
    }
    glp_add_rows(lp, program.rowCount);
    for (int row = 1; row <= program.rowCount; ++row)
        glp_set_row_bnds(lp, row, program.rowType[row], program.rowBound[row],
                         program.rowBound[row]);
    glp_load_matrix(lp, static_cast<int>(program.entries()), program.entryRow.data(),
                    program.entryColumn.data(), program.entryValue.data());
    glp_scale_prob(lp, GLP_SF_AUTO);
    glp_adv_basis(lp, 0);
    glp_smcp parameters;
    glp_init_smcp(&parameters);
    parameters.msg_lev = GLP_MSG_OFF;
    int result = GLP_EITLIM;
    while (result == GLP_EITLIM && !budget.exhaustedNow()) {
        const int left = maxIterations - glp_get_it_cnt(lp);
        if (left <= 0)
            break;
        parameters.it_lim = std::min(sliceIterations, left);
        parameters.tm_lim = static_cast<int>(std::min(budget.secondsLeft() * 1000, 1e9)) + 1;
        result = glp_simplex(lp, &parameters);
    }
    double bound = noBound;
    if (result == 0 && glp_get_status(lp) == GLP_OPT) {
        std::vector<double> dual(program.rowCount + 1, 0);
        for (int row = 1; row <= program.rowCount; ++row)
            dual[row] = glp_get_row_dual(lp, row);
        bound = dualBound(program, dual);
        for (double &value : dual)
            value = -value; // whichever sign convention GLPK uses
        bound = std::min(bound, dualBound(program, dual));
    }
    glp_delete_prob(lp);
    glp_free_env(); // this thread's GLPK environment; the next call makes a new one
    return bound;
}

} // namespace

bool lpUniquenessAvailable()
{
    return true;
}

bool lpProvesUnique(const PuzzleLines &lines, const std::vector<uint8_t> &known,
                    const std::vector<uint8_t> &solution, SolveBudget &budget)
{
    if (budget.exhaustedNow())
        return false;
    // Objective: the distance from the solution, less its filled count.
    Program program;
    int filled = 0;
    for (int cell = 0; cell < lines.cellCount(); ++cell) {
        const bool isFilled = solution[cell] == CellFilled;
        filled += isFilled;
        const double low = known[cell] == CellFilled ? 1 : 0;
        const double high = known[cell] == CellEmpty ? 0 : 1;
        program.addColumn(isFilled ? -1 : 1, low, high);
    }
    for (int line = 0; line < lines.lineCount(); ++line)
        if (!addLine(program, lines, line))
            return false;
    return solvedBound(program, iterationsPerCell * lines.cellCount(), budget) + filled < 0.5;
}

} // namespace zd
