#include "Explanation.h"

#include "LineTrace.h"
#include "Propagation.h"
#include "PuzzleLines.h"
#include "SolveBudget.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

namespace zd {

// The driver: line steps while any is left, then one probe step (a
// contradiction, else two branches that agree), then line steps again; when
// probing finds nothing either, the complete solver's answer ends the trace.
// Probes run on the fast propagation; only the probe that is reported is
// traced again step by step, and its chain cut to the steps its outcome needs.

namespace {

Grade gradeOf(Technique technique)
{
    switch (technique) {
    case Technique::Overlap:
    case Technique::Spaces:
    case Technique::Line:
        return Grade::Line;
    case Technique::Contradiction:
    case Technique::Both:
        return Grade::Probe;
    case Technique::Search:
        break;
    }
    return Grade::Search;
}

uint8_t otherState(uint8_t state)
{
    return state == CellFilled ? CellEmpty : CellFilled;
}

// A probe that decides something: the cell tried, and for agreeing branches
// the cells both decide.
struct ProbeFinding
{
    int cell = -1;
    uint8_t contradicting = 0; // the state that leads to a contradiction, or 0
    std::vector<int> agreed; // Both: cells both branches decide the same way
    std::vector<uint8_t> agreedStates; // and how
};

class Explainer
{
public:
    Explainer(const PuzzleLines &puzzleLines, const PuzzleClues &puzzleClues,
              const ExplainOptions &explainOptions, std::vector<uint8_t> start)
        : lines(puzzleLines)
        , clues(puzzleClues)
        , options(explainOptions)
        , solveOptions(makeSolveOptions(explainOptions))
        , budget(solveOptions)
        , trace(puzzleLines, std::move(start))
        , needed(static_cast<size_t>(puzzleLines.cellCount()), 0)
    { }

    Explanation run();

private:
    static SolveOptions makeSolveOptions(const ExplainOptions &options)
    {
        SolveOptions made;
        made.timeLimitSeconds = options.timeLimitSeconds;
        made.cancel = options.cancel;
        return made;
    }
    PropagationResult findProbe(ProbeFinding &finding);
    bool traceProbe(const ProbeFinding &finding, ExplanationStep &step);
    bool traceAssumption(int cell, uint8_t state, const std::vector<int> &targets,
                         Assumption &assumption, LineStep *conflict);
    void keepNeeded(std::vector<LineStep> &chain, const std::vector<CellFact> &seeds);
    void finishBySearch(Explanation &explanation);
    void apply(const ExplanationStep &step);

    const PuzzleLines &lines;
    const PuzzleClues &clues;
    const ExplainOptions &options;
    SolveOptions solveOptions;
    SolveBudget budget;
    LineTrace trace;
    std::unique_ptr<Propagator> probes; // made at the first probe
    int probeCursor = 0;
    std::vector<uint8_t> filledBranch; // the filled branch's decisions while probing
    std::vector<uint32_t> filledStamp;
    uint32_t stamp = 0;
    std::vector<uint8_t> needed; // scratch of keepNeeded, all zero between calls
};

Explanation Explainer::run()
{
    Explanation explanation;
    explanation.rows = lines.rows();
    explanation.columns = lines.columns();
    trace.queueAllLines();
    explanation.end = ExplanationEnd::Stuck;
    while (true) {
        const bool enoughSteps = options.maxSteps > 0
            && explanation.steps.size() >= static_cast<size_t>(options.maxSteps)
            && trace.undecided() > 0;
        if (enoughSteps || budget.exhausted()) {
            explanation.end = ExplanationEnd::Stopped;
            break;
        }
        ExplanationStep step;
        const LineTrace::Next next = trace.next(step.line);
        if (next == LineTrace::Next::Step) {
            step.technique = step.line.technique;
            step.cells = step.line.cells;
            explanation.steps.push_back(std::move(step));
            continue;
        }
        if (next == LineTrace::Next::Conflict) {
            explanation.end = ExplanationEnd::NoSolution;
            explanation.conflict = std::move(step.line);
            break;
        }
        if (trace.undecided() == 0) {
            explanation.end = ExplanationEnd::Solved;
            break;
        }
        ProbeFinding finding;
        const PropagationResult probed = findProbe(finding);
        if (probed == PropagationResult::Stopped) {
            explanation.end = ExplanationEnd::Stopped;
            break;
        }
        if (probed == PropagationResult::Contradiction) {
            explanation.end = ExplanationEnd::NoSolution;
            break;
        }
        if (finding.cell < 0) {
            finishBySearch(explanation);
            break;
        }
        if (!traceProbe(finding, step)) {
            explanation.end = ExplanationEnd::Stopped;
            break;
        }
        apply(step);
        explanation.steps.push_back(std::move(step));
    }
    explanation.undecided = trace.undecided();
    explanation.grade = Grade::Line;
    for (const ExplanationStep &step : explanation.steps)
        explanation.grade = std::max(explanation.grade, gradeOf(step.technique));
    if (explanation.end != ExplanationEnd::Solved)
        explanation.grade = Grade::Search;
    return explanation;
}

// Probes every undecided cell both ways from where the last probe step was
// found: the first contradiction wins; without one, the first pair of
// branches that agree on some cell. Contradiction means the grid itself has
// none (both ways fail).
PropagationResult Explainer::findProbe(ProbeFinding &finding)
{
    const std::vector<uint8_t> &grid = trace.grid();
    const int cellCount = lines.cellCount();
    if (!probes) {
        probes = std::make_unique<Propagator>(lines, budget);
        filledBranch.assign(static_cast<size_t>(cellCount), 0);
        filledStamp.assign(static_cast<size_t>(cellCount), 0);
    }
    for (int cell = 0; cell < cellCount; ++cell)
        if (grid[cell] != 0 && probes->value(cell) == 0)
            probes->assign(cell, grid[cell]);
    if (const PropagationResult settled = probes->propagate();
        settled != PropagationResult::Consistent)
        return settled;
    std::optional<ProbeFinding> agreement;
    for (int n = 0; n < cellCount; ++n) {
        const int cell = (probeCursor + n) % cellCount;
        if (probes->value(cell) != 0)
            continue;
        ++stamp;
        for (const uint8_t state : { uint8_t(CellFilled), uint8_t(CellEmpty) }) {
            const size_t mark = probes->mark();
            probes->assign(cell, state);
            const PropagationResult result = probes->propagate();
            const int *decided = probes->decidedSince(mark);
            const size_t count = probes->mark() - mark;
            if (result == PropagationResult::Stopped) {
                probes->undo(mark);
                return result;
            }
            if (result == PropagationResult::Contradiction) {
                probes->undo(mark);
                finding.cell = cell;
                finding.contradicting = state;
                probeCursor = cell;
                return PropagationResult::Consistent;
            }
            if (!agreement) {
                std::vector<int> agreed;
                std::vector<uint8_t> agreedStates;
                for (size_t i = 0; i < count; ++i) {
                    const int other = decided[i];
                    if (other == cell)
                        continue;
                    if (state == CellFilled) {
                        filledBranch[static_cast<size_t>(other)] = probes->value(other);
                        filledStamp[static_cast<size_t>(other)] = stamp;
                    } else if (filledStamp[static_cast<size_t>(other)] == stamp
                               && filledBranch[static_cast<size_t>(other)]
                                   == probes->value(other)) {
                        agreed.push_back(other);
                        agreedStates.push_back(probes->value(other));
                    }
                }
                if (!agreed.empty())
                    agreement
                        = ProbeFinding { cell, 0, std::move(agreed), std::move(agreedStates) };
            }
            probes->undo(mark);
        }
    }
    if (agreement) {
        finding = std::move(*agreement);
        probeCursor = finding.cell;
    }
    return PropagationResult::Consistent;
}

// Traces the line steps that follow from one state of a cell, on a copy of
// the grid, until a line has no placement (`conflict` given) or every target
// cell is decided.
bool Explainer::traceAssumption(int cell, uint8_t state, const std::vector<int> &targets,
                                Assumption &assumption, LineStep *conflict)
{
    LineTrace branch = trace;
    branch.decide(cell, state);
    assumption.assumed = branch.fact(cell);
    auto open = static_cast<long>(std::count_if(
        targets.begin(), targets.end(), [&](int target) { return branch.grid()[target] == 0; }));
    LineStep step;
    while (conflict || open > 0) {
        if (budget.exhausted())
            return false;
        const LineTrace::Next next = branch.next(step);
        if (next == LineTrace::Next::Fixpoint)
            throw std::logic_error("a probe's outcome did not follow line by line");
        if (next == LineTrace::Next::Conflict) {
            if (!conflict)
                throw std::logic_error("a probe that agreed ran into a contradiction");
            *conflict = std::move(step);
            keepNeeded(assumption.chain, conflict->because);
            return true;
        }
        open -= std::count_if(targets.begin(), targets.end(), [&](int target) {
            return std::any_of(step.cells.begin(), step.cells.end(), [&](const CellFact &fact) {
                return fact.row * lines.columns() + fact.column == target;
            });
        });
        assumption.chain.push_back(std::move(step));
    }
    std::vector<CellFact> seeds;
    seeds.reserve(targets.size());
    for (int target : targets)
        seeds.push_back(branch.fact(target));
    keepNeeded(assumption.chain, seeds);
    return true;
}

// Keeps the chain's steps that the seeds rest on, directly or through later
// steps: walking back, a step is needed when it decides a needed cell, and
// then its premises are needed too.
void Explainer::keepNeeded(std::vector<LineStep> &chain, const std::vector<CellFact> &seeds)
{
    std::vector<int> marked;
    const auto mark = [&](const CellFact &fact) {
        const int cell = fact.row * lines.columns() + fact.column;
        if (!needed[static_cast<size_t>(cell)]) {
            needed[static_cast<size_t>(cell)] = 1;
            marked.push_back(cell);
        }
    };
    for (const CellFact &fact : seeds)
        mark(fact);
    std::vector<bool> keep(chain.size(), false);
    for (size_t i = chain.size(); i-- > 0;) {
        keep[i] = std::any_of(chain[i].cells.begin(), chain[i].cells.end(), [&](const CellFact &f) {
            const int cell = f.row * lines.columns() + f.column;
            return needed[static_cast<size_t>(cell)] != 0;
        });
        if (keep[i])
            for (const CellFact &fact : chain[i].because)
                mark(fact);
    }
    std::vector<LineStep> kept;
    for (size_t i = 0; i < chain.size(); ++i)
        if (keep[i])
            kept.push_back(std::move(chain[i]));
    chain = std::move(kept);
    for (int cell : marked)
        needed[static_cast<size_t>(cell)] = 0;
}

bool Explainer::traceProbe(const ProbeFinding &finding, ExplanationStep &step)
{
    step = {};
    if (finding.contradicting) {
        step.technique = Technique::Contradiction;
        step.cases.resize(1);
        if (!traceAssumption(finding.cell, finding.contradicting, {}, step.cases[0],
                             &step.conflict))
            return false;
        CellFact decided = trace.fact(finding.cell);
        decided.state = static_cast<CellState>(otherState(finding.contradicting));
        step.cells.push_back(decided);
        return true;
    }
    step.technique = Technique::Both;
    step.cases.resize(2);
    if (!traceAssumption(finding.cell, CellFilled, finding.agreed, step.cases[0], nullptr)
        || !traceAssumption(finding.cell, CellEmpty, finding.agreed, step.cases[1], nullptr))
        return false;
    for (size_t i = 0; i < finding.agreed.size(); ++i) {
        CellFact decided = trace.fact(finding.agreed[i]);
        decided.state = static_cast<CellState>(finding.agreedStates[i]);
        step.cells.push_back(decided);
    }
    return true;
}

void Explainer::apply(const ExplanationStep &step)
{
    for (const CellFact &fact : step.cells) {
        const int cell = fact.row * lines.columns() + fact.column;
        trace.decide(cell, static_cast<uint8_t>(fact.state));
        if (probes && probes->value(cell) == 0)
            probes->assign(cell, static_cast<uint8_t>(fact.state));
    }
}

bool agreesWith(const std::vector<uint8_t> &grid, const CellGrid &solution)
{
    if (solution.size() != grid.size())
        return false;
    for (size_t cell = 0; cell < grid.size(); ++cell)
        if (grid[cell] != 0 && grid[cell] != static_cast<uint8_t>(solution[cell]))
            return false;
    return true;
}

// Logic stops short: the complete solver says how the rest ends.
void Explainer::finishBySearch(Explanation &explanation)
{
    SolveResult own;
    const SolveResult *solved = options.solved;
    if (!solved) {
        own = solveCompletely(clues, solveOptions);
        solved = &own;
    }
    const std::vector<uint8_t> &grid = trace.grid();
    switch (solved->verdict) {
    case Verdict::Unique:
        if (!agreesWith(grid, solved->solution)) {
            explanation.end = options.known ? ExplanationEnd::NoSolution : ExplanationEnd::Stuck;
            return;
        }
        break;
    case Verdict::Multiple:
        explanation.end = agreesWith(grid, solved->solution) && agreesWith(grid, solved->other)
            ? ExplanationEnd::SeveralSolutions
            : ExplanationEnd::Stuck;
        return;
    case Verdict::None:
        explanation.end = ExplanationEnd::NoSolution;
        return;
    case Verdict::Undecided:
        explanation.end = ExplanationEnd::Stopped;
        return;
    }
    ExplanationStep step;
    step.technique = Technique::Search;
    for (int cell = 0; cell < lines.cellCount(); ++cell)
        if (grid[cell] == 0) {
            CellFact fact = trace.fact(cell);
            fact.state = solved->solution[static_cast<size_t>(cell)];
            step.cells.push_back(fact);
        }
    for (const CellFact &fact : step.cells)
        trace.decide(fact.row * lines.columns() + fact.column, static_cast<uint8_t>(fact.state));
    explanation.steps.push_back(std::move(step));
    explanation.end = ExplanationEnd::Solved;
}

} // namespace

Explanation explainPuzzle(const PuzzleClues &clues, const ExplainOptions &options)
{
    PuzzleLines lines;
    const std::string problem = lines.readFrom(clues);
    if (!problem.empty()) {
        Explanation explanation;
        explanation.rows = std::max(0, clues.rows);
        explanation.columns = std::max(0, clues.columns);
        explanation.end = ExplanationEnd::NoSolution;
        explanation.problem = problem;
        return explanation;
    }
    std::vector<uint8_t> start(static_cast<size_t>(lines.cellCount()), 0);
    if (options.known && options.known->size() == start.size())
        std::transform(
            options.known->begin(), options.known->end(), start.begin(), [](CellState state) {
                return state == CellFilled || state == CellEmpty ? static_cast<uint8_t>(state)
                                                                 : uint8_t(0);
            });
    Explainer explainer(lines, clues, options, std::move(start));
    return explainer.run();
}

void Difficulty::add(const Difficulty &other)
{
    for (size_t i = 0; i < steps.size(); ++i)
        steps[i] += other.steps[i];
    longestChain = std::max(longestChain, other.longestChain);
}

Difficulty difficultyOf(const Explanation &explanation)
{
    Difficulty difficulty;
    for (const ExplanationStep &step : explanation.steps) {
        ++difficulty.steps[static_cast<size_t>(step.technique)];
        for (const Assumption &assumption : step.cases)
            difficulty.longestChain
                = std::max(difficulty.longestChain, static_cast<int>(assumption.chain.size()));
    }
    return difficulty;
}

const char *techniqueName(Technique technique)
{
    switch (technique) {
    case Technique::Overlap:
        return "overlap";
    case Technique::Spaces:
        return "spaces";
    case Technique::Line:
        return "line";
    case Technique::Contradiction:
        return "contradiction";
    case Technique::Both:
        return "both";
    case Technique::Search:
        break;
    }
    return "search";
}

} // namespace zd
