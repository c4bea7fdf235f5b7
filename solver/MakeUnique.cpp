#include "Authoring.h"
#include "PuzzleLines.h"
#include "SolveBudget.h"
#include "SureCells.h"

#include <algorithm>

namespace zd {

namespace {

// Bounds on the work, so that a picture far from unique gives up in a time
// that does not depend on the machine: changes made, and cells tried for
// each change.
constexpr int maxChangesPerCell = 4; // at most cells / 4 changes
constexpr int minChanges = 16;
constexpr size_t maxCandidatesPerChange = 256;

char toggled(char cell)
{
    return cell == '#' ? '.' : '#';
}

// Runs the complete solver and the sure-cell search on the pictures of one
// search, all within the caller's one time limit and cancel flag.
class PictureJudge
{
public:
    explicit PictureJudge(const AuthoringOptions &options)
        : overallOptions(limits(options))
        , overall(overallOptions)
    { }

    bool stopped() { return overall.exhaustedNow(); }

    SolveResult solve(const std::vector<std::string> &picture)
    {
        const SolveOptions options = remaining();
        return solveCompletely(PuzzleClues::fromPicture(picture), options);
    }

    // The cells line reasoning and probing leave open; -1 when stopped.
    int openCells(const std::vector<std::string> &picture)
    {
        PuzzleLines lines;
        lines.readFrom(PuzzleClues::fromPicture(picture));
        const SolveOptions options = remaining();
        SolveBudget budget(options);
        std::vector<uint8_t> cells;
        if (findSureCells(lines, budget, cells) == PropagationResult::Stopped)
            return -1;
        return static_cast<int>(std::count(cells.begin(), cells.end(), CellUnknown));
    }

private:
    static SolveOptions limits(const AuthoringOptions &options)
    {
        SolveOptions limits;
        limits.timeLimitSeconds = options.timeLimitSeconds;
        limits.cancel = options.cancel;
        return limits;
    }
    SolveOptions remaining() const
    {
        SolveOptions options = overallOptions;
        if (options.timeLimitSeconds > 0)
            options.timeLimitSeconds = std::max(overall.secondsLeft(), 1e-6);
        return options;
    }

    SolveOptions overallOptions; // before `overall`, which keeps a reference to it
    SolveBudget overall;
};

// The cells where the two solutions differ, not changed yet, row by row.
std::vector<int> candidateCells(const SolveResult &result, const std::vector<uint8_t> &changed)
{
    std::vector<int> cells;
    for (size_t cell = 0; cell < result.solution.size() && cells.size() < maxCandidatesPerChange;
         ++cell)
        if (result.solution[cell] != result.other[cell] && !changed[cell])
            cells.push_back(static_cast<int>(cell));
    return cells;
}

} // namespace

UniquePicture makeUnique(const std::vector<std::string> &picture, const AuthoringOptions &options)
{
    UniquePicture made;
    const int rows = static_cast<int>(picture.size());
    const int columns = rows == 0 ? 0 : static_cast<int>(picture[0].size());
    std::vector<std::string> current;
    for (const std::string &row : picture) {
        if (static_cast<int>(row.size()) != columns) {
            made.problem = "the picture's rows differ in length";
            return made;
        }
        std::string cells;
        for (char cell : row)
            cells += cell == '#' ? '#' : '.';
        current.push_back(cells);
    }
    const auto at = [&](std::vector<std::string> &grid, int cell) -> char & {
        return grid[static_cast<size_t>(cell / columns)][static_cast<size_t>(cell % columns)];
    };
    PictureJudge judge(options);
    const int cellCount = rows * columns;
    const int maxChanges = std::max(minChanges, cellCount / maxChangesPerCell);
    std::vector<uint8_t> changed(static_cast<size_t>(cellCount));
    std::vector<int> order; // the cells changed, in the order they were
    for (;;) {
        const SolveResult result = judge.solve(current);
        if (result.verdict == Verdict::Unique && !judge.stopped())
            break;
        if (result.verdict != Verdict::Multiple || judge.stopped()) {
            made.problem = "stopped";
            return made;
        }
        const std::vector<int> candidates = candidateCells(result, changed);
        if (static_cast<int>(order.size()) >= maxChanges || candidates.empty()) {
            made.problem = "no unique picture within " + std::to_string(maxChanges) + " changes";
            return made;
        }
        int best = -1;
        int bestOpen = cellCount + 1;
        for (int cell : candidates) {
            at(current, cell) = toggled(at(current, cell));
            const int open = judge.openCells(current);
            at(current, cell) = toggled(at(current, cell));
            ++made.candidatesTried;
            if (open < 0) {
                made.problem = "stopped";
                return made;
            }
            if (open < bestOpen) {
                best = cell;
                bestOpen = open;
            }
            if (open == 0)
                break;
        }
        at(current, best) = toggled(at(current, best));
        changed[static_cast<size_t>(best)] = 1;
        order.push_back(best);
    }
    // Each change undone in turn stays undone when the picture is still
    // proved unique without it. The picture is proved unique after every
    // step, so a stop here still reports it, with the changes kept so far.
    for (int cell : order) {
        at(current, cell) = toggled(at(current, cell));
        const SolveResult result = judge.solve(current);
        if (result.verdict == Verdict::Unique && !judge.stopped()) {
            changed[static_cast<size_t>(cell)] = 0;
            continue;
        }
        at(current, cell) = toggled(at(current, cell));
        if (judge.stopped())
            break;
    }
    for (int cell = 0; cell < cellCount; ++cell)
        if (changed[static_cast<size_t>(cell)])
            made.changes.push_back({ cell / columns, cell % columns,
                                     at(current, cell) == '#' ? CellFilled : CellEmpty });
    made.picture = std::move(current);
    made.found = true;
    return made;
}

} // namespace zd
