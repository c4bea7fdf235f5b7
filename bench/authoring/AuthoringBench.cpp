// Times, for every .zd puzzle of the folders (or files) given, what
// `zdsolve --ambiguous` and `zdsolve --make-unique` do: the complete solve
// followed by the ambiguous cells, and the solve followed by the search for a
// unique picture from the first solution. One puzzle at a time on one core;
// prints per folder the mean and the slowest of each, in wall-clock seconds
// and in the CPU seconds of the thread (which a busy machine inflates less).
//
//   authoring_bench [--verbose] FOLDER|FILE...

#include "Authoring.h"
#include "CompleteSolver.h"
#include "PuzzleFormats.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

using namespace zd;

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Wall-clock and CPU seconds since it was made.
struct Stopwatch
{
    Clock::time_point wallStart = Clock::now();
    double cpuStart = cpuSeconds();
    double wall() const { return std::chrono::duration<double>(Clock::now() - wallStart).count(); }
    double cpu() const { return cpuSeconds() - cpuStart; }
};

std::vector<std::filesystem::path> puzzleFiles(const std::filesystem::path &folder)
{
    if (std::filesystem::is_regular_file(folder))
        return { folder };
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".zd")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct Timing
{
    double total = 0;
    double totalCpu = 0;
    double slowest = 0;
    double slowestCpu = 0;
    std::string slowestName;
    void add(const Stopwatch &watch, const std::string &name)
    {
        const double seconds = watch.wall();
        const double cpu = watch.cpu();
        total += seconds;
        totalCpu += cpu;
        if (seconds > slowest) {
            slowest = seconds;
            slowestName = name;
        }
        slowestCpu = std::max(slowestCpu, cpu);
    }
};

struct Totals
{
    int puzzles = 0;
    int ambiguousAnswered = 0;
    int64_t ambiguousCells = 0;
    int picturesFound = 0;
    int64_t changes = 0;
    Timing ambiguity;
    Timing makeUnique;
};

void timeOne(const std::filesystem::path &file, bool verbose, Totals &totals)
{
    const std::vector<PuzzleEntry> entries = readPuzzleFile(file.string(), PuzzleFormat::Text);
    if (entries.empty() || entries.front().failed()) {
        std::fprintf(stderr, "%s: not readable\n", file.c_str());
        return;
    }
    const PuzzleClues &clues = entries.front().clues;
    const std::string name = file.filename().string();
    const Stopwatch ambiguityWatch;
    const SolveResult solved = solveCompletely(clues);
    AuthoringOptions options;
    options.solved = &solved;
    const Ambiguity ambiguity = ambiguousCells(clues, options);
    const double ambiguitySeconds = ambiguityWatch.wall();
    totals.ambiguity.add(ambiguityWatch, name);

    const Stopwatch makeUniqueWatch;
    const SolveResult again = solveCompletely(clues);
    const std::vector<std::string> picture = pictureOfGrid(again.solution, clues.columns);
    const UniquePicture made = makeUnique(picture);
    const double makeUniqueSeconds = makeUniqueWatch.wall();
    totals.makeUnique.add(makeUniqueWatch, name);

    ++totals.puzzles;
    if (ambiguity.verdict == Verdict::Unique || ambiguity.verdict == Verdict::Multiple) {
        ++totals.ambiguousAnswered;
        totals.ambiguousCells += static_cast<int64_t>(ambiguity.cells.size());
    }
    if (made.found) {
        ++totals.picturesFound;
        totals.changes += static_cast<int64_t>(made.changes.size());
    }
    if (verbose)
        std::printf("  %-24s %-8s %4zu ambiguous %8.4f s (%lld SAT calls)  %s %3zu changes "
                    "%8.4f s (%lld tried)\n",
                    name.c_str(), verdictName(solved.verdict), ambiguity.cells.size(),
                    ambiguitySeconds, static_cast<long long>(ambiguity.satCalls),
                    made.found ? "unique after" : made.problem.c_str(), made.changes.size(),
                    makeUniqueSeconds, static_cast<long long>(made.candidatesTried));
}

void printTiming(const char *what, const Timing &timing, int puzzles)
{
    const double count = std::max(puzzles, 1);
    std::printf("  %s: mean %.3f s, slowest %.3f s (%s); CPU mean %.3f s, slowest %.3f s\n", what,
                timing.total / count, timing.slowest, timing.slowestName.c_str(),
                timing.totalCpu / count, timing.slowestCpu);
}

} // namespace

int main(int argc, char **argv)
{
    bool verbose = false;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else
            folders.emplace_back(argv[i]);
    }
    if (folders.empty()) {
        std::fprintf(stderr, "usage: authoring_bench [--verbose] FOLDER|FILE...\n");
        return 64;
    }
    for (const std::string &folder : folders) {
        Totals totals;
        for (const auto &file : puzzleFiles(folder))
            timeOne(file, verbose, totals);
        std::printf("%s: %d puzzles; ambiguous cells of %d (%lld in all); unique pictures for %d "
                    "(%lld changes in all)\n",
                    folder.c_str(), totals.puzzles, totals.ambiguousAnswered,
                    static_cast<long long>(totals.ambiguousCells), totals.picturesFound,
                    static_cast<long long>(totals.changes));
        printTiming("solve and ambiguous cells", totals.ambiguity, totals.puzzles);
        printTiming("solve and unique picture", totals.makeUnique, totals.puzzles);
    }
    return 0;
}
