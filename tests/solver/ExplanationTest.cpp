#include "Explanation.h"

#include "LineSolver.h"
#include "RandomPicture.h"
#include "SolverTestHelpers.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <set>

using namespace zd;

namespace {

// The cells of one line, known or not, as the trace saw them.
struct LineView
{
    std::vector<int> clues;
    std::vector<uint8_t> states;
};

// What the exact line solver alone decides on `line`; false when no placement fits.
bool lineSolve(const LineView &line, std::vector<uint8_t> &decided)
{
    const int length = static_cast<int>(line.states.size());
    const int words = LineSolver::wordsFor(length);
    std::vector<uint64_t> filled(words), empty(words), outFilled(words), outEmpty(words);
    for (int p = 0; p < length; ++p)
        if (line.states[p])
            (line.states[p] == CellFilled ? filled : empty)[p / 64] |= uint64_t(1) << (p % 64);
    const bool blocks = !(line.clues.size() == 1 && line.clues[0] == 0);
    LineSolver solver;
    if (!solver.solve(line.clues.data(), blocks ? static_cast<int>(line.clues.size()) : 0,
                      filled.data(), empty.data(), length, outFilled.data(), outEmpty.data()))
        return false;
    decided.assign(length, 0);
    for (int p = 0; p < length; ++p)
        decided[p] = (outFilled[p / 64] >> (p % 64) & 1) ? CellFilled
            : (outEmpty[p / 64] >> (p % 64) & 1)         ? CellEmpty
                                                         : 0;
    return true;
}

class Replay
{
public:
    Replay(const PuzzleClues &puzzle)
        : clues(puzzle)
        , grid(static_cast<size_t>(puzzle.rows * puzzle.columns), CellUnknown)
    { }

    CellState &at(const CellFact &fact) { return grid[fact.row * clues.columns + fact.column]; }
    int position(const LineStep &step, const CellFact &fact) const
    {
        return step.isRow ? fact.column : fact.row;
    }
    // The line's cells with only `facts` known.
    LineView lineWith(const LineStep &step, const std::vector<CellFact> &facts) const
    {
        LineView line { step.isRow ? clues.rowClues[step.index] : clues.columnClues[step.index],
                        std::vector<uint8_t>(step.isRow ? clues.columns : clues.rows, 0) };
        for (const CellFact &fact : facts)
            line.states[position(step, fact)] = static_cast<uint8_t>(fact.state);
        return line;
    }
    // Every premise is a known cell of the line; the cells follow from the
    // premises alone (or no placement fits them, for a conflict), and not
    // once any one premise is dropped.
    void checkPremises(const LineStep &step, bool conflict)
    {
        for (const CellFact &fact : step.because) {
            EXPECT_EQ(step.isRow ? fact.row : fact.column, step.index);
            EXPECT_EQ(at(fact), fact.state) << "a premise that is not known";
        }
        const auto follows = [&](const std::vector<CellFact> &premises) {
            std::vector<uint8_t> decided;
            if (!lineSolve(lineWith(step, premises), decided))
                return true;
            if (conflict)
                return false;
            return std::all_of(step.cells.begin(), step.cells.end(), [&](const CellFact &fact) {
                return decided[position(step, fact)] == fact.state;
            });
        };
        EXPECT_TRUE(follows(step.because)) << "the step does not follow from its premises";
        for (size_t drop = 0; drop < step.because.size(); ++drop) {
            std::vector<CellFact> fewer = step.because;
            fewer.erase(fewer.begin() + static_cast<long>(drop));
            EXPECT_FALSE(follows(fewer)) << "premise " << drop << " can be dropped";
        }
    }
    // Decides the step's cells, each for the first time.
    void apply(const std::vector<CellFact> &cells)
    {
        for (const CellFact &fact : cells) {
            EXPECT_EQ(at(fact), CellUnknown) << "a cell decided twice";
            at(fact) = fact.state;
        }
    }
    void applyLineStep(const LineStep &step)
    {
        checkPremises(step, false);
        apply(step.cells);
    }
    // No line decides anything the grid does not hold yet.
    bool atLineFixpoint() const
    {
        for (int line = 0; line < clues.rows + clues.columns; ++line) {
            LineStep which;
            which.isRow = line < clues.rows;
            which.index = which.isRow ? line : line - clues.rows;
            std::vector<CellFact> known;
            const int length = which.isRow ? clues.columns : clues.rows;
            for (int p = 0; p < length; ++p) {
                const int r = which.isRow ? which.index : p;
                const int c = which.isRow ? p : which.index;
                known.push_back({ r, c, grid[r * clues.columns + c] });
            }
            std::vector<uint8_t> decided;
            if (!lineSolve(lineWith(which, known), decided))
                return false;
            for (int p = 0; p < length; ++p)
                if (decided[p] != static_cast<uint8_t>(known[p].state))
                    return false;
        }
        return true;
    }

    const PuzzleClues &clues;
    CellGrid grid;
};

// Replays a probe's case on a copy: its chain, then the conflict or the
// cells both cases reach.
void replayCase(const Replay &before, const Assumption &tried, const ExplanationStep &step)
{
    Replay branch = before;
    branch.apply({ tried.assumed });
    for (const LineStep &chained : tried.chain)
        branch.applyLineStep(chained);
    if (step.technique == Technique::Contradiction) {
        branch.checkPremises(step.conflict, true);
        return;
    }
    for (const CellFact &fact : step.cells)
        EXPECT_EQ(branch.at(fact), fact.state) << "a case that does not reach the cell";
}

struct Generated
{
    int rows;
    int columns;
    double density;
    unsigned seed;
    int puzzles;
};

// A staircase of 3s whose clues leave line reasoning and probing stuck: a
// unique solution that needs search.
const std::vector<std::string> staircase = {
    "..........###", "............#", "........###.#", "..........#..", "......###.#..",
    "........#....", "....###.#....", "......#......", "..###.#......", "....#........",
    "###.#........", "..#..........", "..#..........",
};

// Random pictures of every grade: their solutions are known, and steps must
// replay to them.
TEST(Explanation, StepsReplayFromTheEmptyGridToTheSolutionWithIrredundantPremises)
{
    // The 15x15 seed-78 picture needs a step whose two cases agree; the
    // 6x130 rows take more than one word of automaton states; size 0 stands
    // for the staircase.
    const Generated table[] = {
        { 5, 5, 0.6, 19, 40 },   { 10, 10, 0.55, 19, 30 }, { 15, 15, 0.5, 19, 20 },
        { 20, 25, 0.5, 19, 10 }, { 8, 30, 0.45, 19, 10 },  { 30, 30, 0.6, 19, 4 },
        { 15, 15, 0.5, 78, 1 },  { 6, 130, 0.6, 19, 2 },   { 0, 0, 0, 0, 1 },
    };
    std::set<Grade> grades;
    std::set<Technique> techniques;
    for (const Generated &generated : table) {
        std::mt19937 random(generated.seed);
        for (int n = 0; n < generated.puzzles; ++n) {
            const auto picture = generated.rows == 0
                ? staircase
                : randomPicture(generated.rows, generated.columns, generated.density, random);
            const PuzzleClues clues = PuzzleClues::fromPicture(picture);
            const SolveResult solved = solveCompletely(clues);
            const Explanation explanation = explainPuzzle(clues);
            SCOPED_TRACE(testing::PrintToString(picture));
            Replay replay(clues);
            const size_t halfway = explanation.steps.size() / 2;
            std::optional<Replay> atHalfway;
            for (const ExplanationStep &step : explanation.steps) {
                if (&step == &explanation.steps[halfway])
                    atHalfway.emplace(replay);
                techniques.insert(step.technique);
                if (step.technique <= Technique::Line) {
                    EXPECT_EQ(step.cells, step.line.cells);
                    replay.applyLineStep(step.line);
                    continue;
                }
                EXPECT_TRUE(replay.atLineFixpoint()) << "a probe while a line step is left";
                for (const Assumption &tried : step.cases)
                    replayCase(replay, tried, step);
                replay.apply(step.cells);
            }
            EXPECT_TRUE(knownAgreesWith(replay.grid, picture));
            const int undecided
                = static_cast<int>(std::count(replay.grid.begin(), replay.grid.end(), CellUnknown));
            EXPECT_EQ(undecided, explanation.undecided);
            EXPECT_EQ(explanation.grade, solved.grade);
            if (solved.verdict == Verdict::Unique) {
                EXPECT_EQ(explanation.end, ExplanationEnd::Solved);
                EXPECT_EQ(replay.grid, solved.solution);
            } else {
                EXPECT_EQ(explanation.end, ExplanationEnd::SeveralSolutions);
                EXPECT_TRUE(replay.atLineFixpoint());
            }
            grades.insert(explanation.grade);
            if (!atHalfway)
                continue;
            // A hint from halfway: one step, the easiest there, so never
            // harder than the one the whole trace took (it hands out the
            // steps a line look finds together, easier ones may be waiting).
            ExplainOptions hintOptions;
            hintOptions.known = &atHalfway->grid;
            hintOptions.maxSteps = 1;
            const Explanation hint = explainPuzzle(clues, hintOptions);
            ASSERT_EQ(hint.steps.size(), 1u);
            EXPECT_LE(hint.steps[0].technique, explanation.steps[halfway].technique);
            EXPECT_EQ(hint.end,
                      hint.undecided == 0 ? ExplanationEnd::Solved : ExplanationEnd::Stopped);
            if (hint.steps[0].technique <= Technique::Line)
                atHalfway->applyLineStep(hint.steps[0].line);
        }
    }
    EXPECT_EQ(grades.size(), 3u) << "the table no longer yields every grade";
    EXPECT_EQ(techniques.size(), static_cast<size_t>(techniqueCount))
        << "the table no longer yields every technique";
}

} // namespace
