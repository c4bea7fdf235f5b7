#include "ConflictSearch.h"

#include "CMalovanaKrizovka.h"
#include "SolveBudget.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace zd {
namespace {

int literalOf(int cell, uint8_t state)
{
    return 2 * cell + (state == CellFilled ? 1 : 0);
}

// The Luby sequence 1 1 2 1 1 2 4 1 1 2 ...: restart intervals.
int64_t luby(int64_t index)
{
    int64_t size = 1;
    int64_t power = 0;
    while (size < index + 1) {
        ++power;
        size = 2 * size + 1;
    }
    while (size - 1 != index) {
        size = (size - 1) / 2;
        --power;
        index %= size;
    }
    return int64_t { 1 } << power;
}

// Conflicts per unit of the Luby sequence between restarts.
constexpr int64_t restartUnit = 100;
// Conflicts in the first focused mode; each mode after is twice as long.
constexpr int64_t firstModeConflicts = 1000;
// Decay of the cells' activity per conflict.
constexpr double activityDecay = 0.95;

} // namespace

ConflictSearch::ConflictSearch(const PuzzleLines &puzzleLines, SolveBudget &solveBudget)
    : lines(puzzleLines)
    , budget(solveBudget)
    , cellCount(puzzleLines.cellCount())
    , cells(static_cast<size_t>(cellCount), CellUnknown)
    , level(static_cast<size_t>(cellCount), 0)
    , reason(static_cast<size_t>(cellCount), noReason)
    , trailIndex(static_cast<size_t>(cellCount), 0)
    , watches(2 * static_cast<size_t>(cellCount))
    , lineCells(puzzleLines)
    , lineQueued(static_cast<size_t>(puzzleLines.lineCount()), 0)
    , cachedReason(static_cast<size_t>(cellCount))
    , reasonOk(static_cast<size_t>(cellCount), 0)
    , seen(static_cast<size_t>(cellCount), 0)
    , activity(static_cast<size_t>(cellCount), 0)
    , heapPosition(static_cast<size_t>(cellCount), -1)
    , savedPhase(static_cast<size_t>(cellCount), CellEmpty)
    , targetPhase(static_cast<size_t>(cellCount), CellUnknown)
    , levelStamp(static_cast<size_t>(cellCount) + 2, 0)
{
    trail.reserve(cells.size());
    const int longest = std::max(lines.rows(), lines.columns());
    decidedFilled.resize(LineSolver::wordsFor(longest));
    decidedEmpty.resize(LineSolver::wordsFor(longest));
    for (int cell = 0; cell < cellCount; ++cell)
        heapInsert(cell);
    // A portfolio's seeded searcher (Portfolio.h) starts from its own phases.
    if (budget.seed() != 0) {
        std::mt19937 phaseDraw(budget.seed());
        for (int cell = 0; cell < cellCount; ++cell)
            savedPhase[cell] = (phaseDraw() & 1) != 0 ? CellFilled : CellEmpty;
    }
}

int ConflictSearch::value(int literal) const
{
    const uint8_t state = cells[literal >> 1];
    if (state == CellUnknown)
        return -1;
    return (state == CellFilled) == ((literal & 1) != 0) ? 1 : 0;
}

void ConflictSearch::queueLine(int line)
{
    if (lineQueued[line])
        return;
    lineQueued[line] = 1;
    lineQueue.push_back(line);
}

void ConflictSearch::assign(int literal, int why)
{
    const int cell = literal >> 1;
    const uint8_t state = (literal & 1) ? CellFilled : CellEmpty;
    cells[cell] = state;
    level[cell] = levelNow();
    reason[cell] = why;
    trailIndex[cell] = static_cast<int>(trail.size());
    reasonOk[cell] = 0;
    trail.push_back(literal);
    lineCells.markCell(cell, state);
    queueLine(lines.rowOf(cell));
    queueLine(lines.columnLineOf(cell));
}

void ConflictSearch::backtrack(int toLevel)
{
    if (levelNow() <= toLevel)
        return;
    const size_t keep = levelStart[toLevel];
    for (size_t i = trail.size(); i > keep; --i) {
        const int cell = trail[i - 1] >> 1;
        savedPhase[cell] = cells[cell];
        cells[cell] = CellUnknown;
        reasonOk[cell] = 0;
        lineCells.clearCell(cell);
        if (heapPosition[cell] < 0)
            heapInsert(cell);
    }
    trail.resize(keep);
    levelStart.resize(static_cast<size_t>(toLevel));
    clauseHead = std::min(clauseHead, trail.size());
    for (int line : lineQueue)
        lineQueued[line] = 0;
    lineQueue.clear();
    lineHead = 0;
}

bool ConflictSearch::propagateClauses(std::vector<int> &conflict)
{
    while (clauseHead < trail.size()) {
        const int falseLiteral = trail[clauseHead++] ^ 1;
        std::vector<Watch> &watching = watches[falseLiteral];
        size_t kept = 0;
        for (size_t i = 0; i < watching.size(); ++i) {
            const Watch watch = watching[i];
            // A true blocker satisfies the clause without reading it.
            if (value(watch.blocker) == 1) {
                watching[kept++] = watch;
                continue;
            }
            std::vector<int> &literals = clauses[watch.clause].literals;
            if (literals[0] == falseLiteral)
                std::swap(literals[0], literals[1]);
            if (literals[0] != watch.blocker && value(literals[0]) == 1) {
                watching[kept++] = { watch.clause, literals[0] };
                continue;
            }
            bool moved = false;
            for (size_t k = 2; k < literals.size(); ++k)
                if (value(literals[k]) != 0) {
                    std::swap(literals[1], literals[k]);
                    watches[literals[1]].push_back({ watch.clause, literals[0] });
                    moved = true;
                    break;
                }
            if (moved)
                continue;
            watching[kept++] = { watch.clause, literals[0] };
            if (value(literals[0]) == 0) {
                for (size_t rest = i + 1; rest < watching.size(); ++rest)
                    watching[kept++] = watching[rest];
                watching.resize(kept);
                conflict = literals;
                return false;
            }
            assign(literals[0], watch.clause);
        }
        watching.resize(kept);
    }
    return true;
}

bool ConflictSearch::solveLine(int line, std::vector<int> &conflict)
{
    const int length = lines.lineLength(line);
    const int words = LineSolver::wordsFor(length);
    const uint64_t *filled = lineCells.filled(line);
    const uint64_t *empty = lineCells.empty(line);
    if (!lineSolver.solve(lines.clues(line), lines.clueCount(line), filled, empty, length,
                          decidedFilled.data(), decidedEmpty.data())) {
        conflict.clear();
        explainLine(line, -1, trail.size(), conflict);
        return false;
    }
    for (int w = 0; w < words; ++w) {
        const uint64_t newFilled = decidedFilled[w] & ~filled[w];
        const uint64_t newEmpty = decidedEmpty[w] & ~empty[w];
        for (uint64_t bits = newFilled | newEmpty; bits != 0; bits &= bits - 1) {
            const int bit = __builtin_ctzll(bits);
            const int cell = lines.cellAt(line, w * 64 + bit);
            const uint8_t state = (newFilled >> bit) & 1u ? CellFilled : CellEmpty;
            assign(literalOf(cell, state), lineReason(line));
        }
    }
    lineQueued[line] = 0; // a solved line is its own fixpoint
    return true;
}

bool ConflictSearch::propagate(std::vector<int> &conflict)
{
    for (;;) {
        if (!propagateClauses(conflict))
            return false;
        while (lineHead < lineQueue.size() && !lineQueued[lineQueue[lineHead]])
            ++lineHead;
        if (lineHead == lineQueue.size()) {
            lineQueue.clear();
            lineHead = 0;
            return true;
        }
        const int line = lineQueue[lineHead++];
        lineQueued[line] = 0;
        if (budget.exhausted()) {
            stopped = true;
            return true;
        }
        if (!solveLine(line, conflict))
            return false;
    }
}

// The line's cells assigned before `trailLimit` (those assigned for good
// stay fixed and out of the reason) with the forced cell, if any, set the
// other way: the line has no placement then, and the reason is what keeps
// it so. The latest cells are tried first, so the reason keeps the earliest
// ones: a clause over older cells backjumps farther, and in tests on
// tournament puzzles it took a third fewer conflicts than keeping the cells
// nearest the forced one.
void ConflictSearch::explainLine(int line, int forcedCell, size_t trailLimit, std::vector<int> &out)
{
    out.clear();
    const int length = lines.lineLength(line);
    if (length < 64)
        explainShortLine(line, forcedCell, trailLimit);
    else
        explainLongLine(line, forcedCell, trailLimit);
    for (int position : keptPositions) {
        const int cell = lines.cellAt(line, position);
        out.push_back(literalOf(cell, cells[cell]) ^ 1);
    }
    budget.exhausted();
}

// Sorts on keys that carry the trail index above the position, so the
// comparisons read no tables.
void ConflictSearch::sortCandidatesLatestFirst(int line)
{
    sortKeys.clear();
    for (int position : candidates)
        sortKeys.push_back((static_cast<uint64_t>(trailIndex[lines.cellAt(line, position)]) << 32)
                           | static_cast<uint32_t>(position));
    std::sort(sortKeys.begin(), sortKeys.end(), std::greater<>());
    for (size_t i = 0; i < sortKeys.size(); ++i)
        candidates[i] = static_cast<int>(sortKeys[i] & 0xffffffffu);
}

void ConflictSearch::explainShortLine(int line, int forcedCell, size_t trailLimit)
{
    const int length = lines.lineLength(line);
    uint64_t filled = lineCells.filled(line)[0];
    uint64_t empty = lineCells.empty(line)[0];
    candidates.clear();
    for (uint64_t known = filled | empty; known != 0; known &= known - 1) {
        const int position = __builtin_ctzll(known);
        const int cell = lines.cellAt(line, position);
        const uint64_t bit = uint64_t { 1 } << position;
        if (cell == forcedCell) {
            filled ^= bit; // set the other way
            empty ^= bit;
        } else if (static_cast<size_t>(trailIndex[cell]) >= trailLimit) {
            filled &= ~bit;
            empty &= ~bit;
        } else if (level[cell] > 0)
            candidates.push_back(position);
    }
    sortCandidatesLatestFirst(line);
    if (!reasons.shrinkShort(lines.clues(line), lines.clueCount(line), filled, empty, length,
                             candidates, keptPositions))
        failExplanation();
}

void ConflictSearch::explainLongLine(int line, int forcedCell, size_t trailLimit)
{
    const int length = lines.lineLength(line);
    lineStates.assign(static_cast<size_t>(length), CellUnknown);
    candidates.clear();
    for (int position = 0; position < length; ++position) {
        const int cell = lines.cellAt(line, position);
        if (cell == forcedCell) {
            lineStates[position] = cells[cell] == CellFilled ? CellEmpty : CellFilled;
            continue;
        }
        if (cells[cell] == CellUnknown || static_cast<size_t>(trailIndex[cell]) >= trailLimit)
            continue;
        lineStates[position] = cells[cell];
        if (level[cell] > 0)
            candidates.push_back(position);
    }
    sortCandidatesLatestFirst(line);
    if (reasons.feasible(lines.clues(line), lines.clueCount(line), lineStates.data(), length)) {
        keptPositions.clear();
        failExplanation();
        return;
    }
    reasons.shrink(lines.clues(line), lines.clueCount(line), lineStates, candidates, keptPositions);
}

// A line that is feasible after all cannot have forced anything: only a
// fault in the line solver gets here, and the search stops rather than
// learn from it.
void ConflictSearch::failExplanation()
{
    explanationFailed = true;
    stopped = true;
}

const std::vector<int> &ConflictSearch::reasonOf(int cell)
{
    const int why = reason[cell];
    if (why >= 0) {
        clauses[why].activity += 1;
        return clauses[why].literals;
    }
    if (!reasonOk[cell]) {
        explainLine(-2 - why, cell, static_cast<size_t>(trailIndex[cell]), cachedReason[cell]);
        reasonOk[cell] = 1;
    }
    return cachedReason[cell];
}

void ConflictSearch::bumpCell(int cell)
{
    activity[cell] += activityStep;
    if (activity[cell] > 1e100) {
        for (double &value : activity)
            value *= 1e-100;
        activityStep *= 1e-100;
    }
    if (heapPosition[cell] >= 0)
        heapUp(heapPosition[cell]);
}

void ConflictSearch::analyse(std::vector<int> &conflict, std::vector<int> &learned, int &backLevel)
{
    learned.clear();
    learned.push_back(-1);
    int pathCount = 0;
    int asserting = -1;
    size_t index = trail.size();
    std::vector<int> current = conflict;
    for (;;) {
        for (int literal : current) {
            const int cell = literal >> 1;
            if (asserting >= 0 && cell == (asserting >> 1))
                continue;
            if (seen[cell] || level[cell] == 0)
                continue;
            seen[cell] = 1;
            bumpCell(cell);
            if (level[cell] >= levelNow())
                ++pathCount;
            else
                learned.push_back(literal);
        }
        do
            --index;
        while (!seen[trail[index] >> 1]);
        asserting = trail[index];
        seen[asserting >> 1] = 0;
        if (--pathCount <= 0)
            break;
        current = reasonOf(asserting >> 1);
        if (stopped)
            break;
    }
    learned[0] = asserting ^ 1;
    const std::vector<int> marked = learned;
    minimise(learned);
    for (int literal : marked)
        seen[literal >> 1] = 0;
    backLevel = 0;
    size_t highest = 1;
    for (size_t i = 1; i < learned.size(); ++i)
        if (level[learned[i] >> 1] > backLevel) {
            backLevel = level[learned[i] >> 1];
            highest = i;
        }
    if (learned.size() > 1)
        std::swap(learned[1], learned[highest]);
}

// Drops a literal that follows from the rest of the clause: its reason's
// literals are in the clause, hold for good, or follow in turn (checked
// depth-first, only through the decision levels the clause has, since a
// literal from any other level cannot be derived from it). Line reasons are
// computed on the way when not at hand yet.
void ConflictSearch::minimise(std::vector<int> &learned)
{
    ++stamp;
    for (size_t i = 1; i < learned.size(); ++i)
        levelStamp[level[learned[i] >> 1]] = stamp;
    size_t kept = 1;
    for (size_t i = 1; i < learned.size(); ++i) {
        const int cell = learned[i] >> 1;
        if (reason[cell] == noReason || !followsFromClause(cell))
            learned[kept++] = learned[i];
    }
    learned.resize(kept);
    for (int cell : minimiseTouched)
        seen[cell] = 0;
    minimiseTouched.clear();
}

// True when `cell` (in the clause, or met below it) follows from the
// clause's cells. Marks: 1 in the clause, 2 follows, 3 does not.
bool ConflictSearch::followsFromClause(int start)
{
    minimiseStack.clear();
    minimiseStack.emplace_back(start, 0);
    while (!minimiseStack.empty()) {
        auto &[cell, next] = minimiseStack.back();
        if (stopped)
            return false;
        const std::vector<int> &because = reasonOf(cell);
        bool descended = false;
        while (static_cast<size_t>(next) < because.size()) {
            const int other = because[next++] >> 1;
            if (other == cell || level[other] == 0 || seen[other] == 1 || seen[other] == 2)
                continue;
            if (seen[other] == 3 || reason[other] == noReason
                || levelStamp[level[other]] != stamp) {
                markFailed(other);
                return failMinimise();
            }
            minimiseStack.emplace_back(other, 0);
            descended = true;
            break;
        }
        if (descended)
            continue;
        const int done = minimiseStack.back().first;
        minimiseStack.pop_back();
        if (!minimiseStack.empty() || seen[done] == 0) {
            seen[done] = 2;
            minimiseTouched.push_back(done);
        }
    }
    return true;
}

void ConflictSearch::markFailed(int cell)
{
    if (seen[cell] == 0)
        minimiseTouched.push_back(cell);
    if (seen[cell] != 1)
        seen[cell] = 3;
}

// The cells still on the stack do not follow either (each needed the one
// above it); the cell at the bottom is in the clause and keeps its mark.
bool ConflictSearch::failMinimise()
{
    for (size_t i = 1; i < minimiseStack.size(); ++i)
        markFailed(minimiseStack[i].first);
    minimiseStack.clear();
    return false;
}

int ConflictSearch::glueOf(const std::vector<int> &literals)
{
    ++stamp;
    int glue = 0;
    for (int literal : literals) {
        const int at = level[literal >> 1];
        if (levelStamp[at] != stamp) {
            levelStamp[at] = stamp;
            ++glue;
        }
    }
    return glue;
}

void ConflictSearch::attach(int index)
{
    const std::vector<int> &literals = clauses[index].literals;
    watches[literals[0]].push_back({ index, literals[1] });
    watches[literals[1]].push_back({ index, literals[0] });
}

int ConflictSearch::addClause(std::vector<int> literals, bool learned)
{
    Clause clause;
    clause.glue = learned ? glueOf(literals) : 0;
    clause.learned = learned;
    clause.literals = std::move(literals);
    clauses.push_back(std::move(clause));
    const int index = static_cast<int>(clauses.size()) - 1;
    attach(index);
    if (learned)
        ++learnedCount;
    return index;
}

// Keeps the clauses with glue 2 or less, those that are the reason of a
// cell now, and the better half of the rest (lower glue, then more use).
void ConflictSearch::reduceLearned()
{
    std::vector<uint8_t> locked(clauses.size(), 0);
    for (int literal : trail)
        if (reason[literal >> 1] >= 0)
            locked[reason[literal >> 1]] = 1;
    std::vector<int> candidatesToDrop;
    for (size_t i = 0; i < clauses.size(); ++i)
        if (clauses[i].learned && !locked[i] && clauses[i].glue > 2)
            candidatesToDrop.push_back(static_cast<int>(i));
    std::sort(candidatesToDrop.begin(), candidatesToDrop.end(), [&](int a, int b) {
        if (clauses[a].glue != clauses[b].glue)
            return clauses[a].glue > clauses[b].glue;
        return clauses[a].activity < clauses[b].activity;
    });
    std::vector<uint8_t> drop(clauses.size(), 0);
    for (size_t i = 0; i < candidatesToDrop.size() / 2; ++i)
        drop[candidatesToDrop[i]] = 1;
    std::vector<int> newIndex(clauses.size(), -1);
    std::vector<Clause> keptClauses;
    learnedCount = 0;
    for (size_t i = 0; i < clauses.size(); ++i) {
        if (drop[i])
            continue;
        newIndex[i] = static_cast<int>(keptClauses.size());
        clauses[i].activity *= 0.5f;
        learnedCount += clauses[i].learned ? 1 : 0;
        keptClauses.push_back(std::move(clauses[i]));
    }
    clauses = std::move(keptClauses);
    for (int literal : trail)
        if (reason[literal >> 1] >= 0)
            reason[literal >> 1] = newIndex[reason[literal >> 1]];
    for (auto &watching : watches)
        watching.clear();
    for (size_t i = 0; i < clauses.size(); ++i)
        attach(static_cast<int>(i));
    learnedLimit += learnedLimit / 10;
}

void ConflictSearch::heapInsert(int cell)
{
    heapPosition[cell] = static_cast<int>(heap.size());
    heap.push_back(cell);
    heapUp(heapPosition[cell]);
}

void ConflictSearch::heapUp(int position)
{
    const int cell = heap[position];
    while (position > 0) {
        const int parent = (position - 1) / 2;
        if (activity[heap[parent]] >= activity[cell])
            break;
        heap[position] = heap[parent];
        heapPosition[heap[position]] = position;
        position = parent;
    }
    heap[position] = cell;
    heapPosition[cell] = position;
}

void ConflictSearch::heapDown(int position)
{
    const int cell = heap[position];
    const int size = static_cast<int>(heap.size());
    for (;;) {
        int child = 2 * position + 1;
        if (child >= size)
            break;
        if (child + 1 < size && activity[heap[child + 1]] > activity[heap[child]])
            ++child;
        if (activity[heap[child]] <= activity[cell])
            break;
        heap[position] = heap[child];
        heapPosition[heap[position]] = position;
        position = child;
    }
    heap[position] = cell;
    heapPosition[cell] = position;
}

int ConflictSearch::heapPop()
{
    const int top = heap.front();
    heapPosition[top] = -1;
    const int last = heap.back();
    heap.pop_back();
    if (!heap.empty()) {
        heap[0] = last;
        heapPosition[last] = 0;
        heapDown(0);
    }
    return top;
}

// Alternates between a focused mode that branches on the saved phases and
// a stable one that branches towards the target phases, each twice as long
// as the one before (1,000 conflicts first). Target phases alone found the
// first solution of tournament puzzles with half the conflicts but lost on
// random 60x60 puzzles (3 of 20 answered in 10 s against 6 with the
// switching).
void ConflictSearch::switchModeWhenDue()
{
    if (conflictCount < modeEnd)
        return;
    stableMode = !stableMode;
    modeLength = modeLength == 0 ? firstModeConflicts : 2 * modeLength;
    modeEnd = conflictCount + modeLength;
}

// The target phases are those of the longest run of assignments without a
// conflict since the last restart: branching towards them steers the search
// back to the largest consistent part of the grid it has seen, which finds
// a first solution with far fewer conflicts than the saved phases alone
// (on tournament puzzles about half as many).
void ConflictSearch::keepTargetPhases()
{
    if (levelStart.empty() || levelStart.back() <= targetTrail)
        return;
    targetTrail = levelStart.back();
    for (size_t i = 0; i < targetTrail; ++i)
        targetPhase[trail[i] >> 1] = cells[trail[i] >> 1];
}

int ConflictSearch::pickBranch()
{
    while (!heap.empty()) {
        const int cell = heapPop();
        if (cells[cell] == CellUnknown)
            return cell;
    }
    return -1;
}

// With `solution`, forbids it over the cells not known for good; without,
// forbids the current complete grid by its decisions, which force the rest.
// False when nothing is left to differ in. Leaves the search at level 0.
bool ConflictSearch::blockSolution(const std::vector<uint8_t> *solution)
{
    std::vector<int> literals;
    if (solution) {
        for (int cell = 0; cell < cellCount; ++cell)
            if (cells[cell] == CellUnknown || level[cell] > 0)
                literals.push_back(literalOf(cell, (*solution)[cell]) ^ 1);
    } else {
        for (size_t start : levelStart)
            literals.push_back(trail[start] ^ 1);
    }
    backtrack(0);
    // Literals false for good drop out; one true for good makes it moot.
    std::vector<int> open;
    for (int literal : literals) {
        const int holds = value(literal);
        if (holds == 1)
            return true;
        if (holds == -1)
            open.push_back(literal);
    }
    if (open.empty())
        return false;
    if (open.size() == 1)
        assign(open[0], noReason);
    else
        addClause(std::move(open), false);
    return true;
}

PropagationResult ConflictSearch::findUpToTwoSolutions(const std::vector<uint8_t> &known,
                                                       std::vector<std::vector<uint8_t>> &solutions,
                                                       int64_t conflictLimit)
{
    for (int cell = 0; cell < cellCount; ++cell)
        if (known[cell] != CellUnknown)
            assign(literalOf(cell, known[cell]), noReason);
    for (int line = 0; line < lines.lineCount(); ++line)
        queueLine(line);
    for (const std::vector<uint8_t> &solution : solutions)
        if (!blockSolution(&solution))
            return PropagationResult::Consistent;
    std::vector<int> conflict;
    std::vector<int> learned;
    int64_t restarts = 0;
    int64_t conflictsSinceRestart = 0;
    while (solutions.size() < 2) {
        const bool consistent = propagate(conflict);
        if (stopped)
            return PropagationResult::Stopped;
        if (!consistent) {
            ++conflictCount;
            ++conflictsSinceRestart;
            keepTargetPhases();
            switchModeWhenDue();
            int conflictLevel = 0;
            for (int literal : conflict)
                conflictLevel = std::max(conflictLevel, level[literal >> 1]);
            if (conflictLevel == 0)
                return PropagationResult::Consistent; // no (further) solution
            backtrack(conflictLevel);
            int backLevel = 0;
            analyse(conflict, learned, backLevel);
            if (stopped)
                return PropagationResult::Stopped;
            if (onLearned)
                onLearned(learned);
            backtrack(backLevel);
            if (learned.size() == 1)
                assign(learned[0], noReason);
            else
                assign(learned[0], addClause(learned, true));
            activityStep /= activityDecay;
            if (conflictLimit >= 0 && conflictCount >= conflictLimit)
                return PropagationResult::Stopped;
            if (budget.exhausted())
                return PropagationResult::Stopped;
            if (conflictsSinceRestart >= restartUnit * luby(restarts)) {
                conflictsSinceRestart = 0;
                ++restarts;
                targetTrail = 0;
                backtrack(0);
            }
            if (static_cast<size_t>(learnedCount) > learnedLimit + trail.size())
                reduceLearned();
            continue;
        }
        const int cell = pickBranch();
        if (cell < 0) {
            solutions.push_back(cells);
            if (solutions.size() == 2 || !blockSolution(nullptr))
                return PropagationResult::Consistent;
            continue;
        }
        levelStart.push_back(trail.size());
        const uint8_t phase
            = stableMode && targetPhase[cell] != CellUnknown ? targetPhase[cell] : savedPhase[cell];
        assign(literalOf(cell, phase), noReason);
    }
    return PropagationResult::Consistent;
}

} // namespace zd
