// Times, for every .zd puzzle of the folders (or files) given, the plain
// complete solve and the solve followed by the deduction trace, one puzzle
// at a time on one core, and prints per folder the totals and their ratio.
// With --hint it times instead hints on generated 99x99 pictures (random,
// half filled, a fixed seed): the next step from a grid that shows half the
// picture's cells.
//
//   explain_bench [--verbose] FOLDER|FILE...
//   explain_bench [--verbose] --hint

#include "CompleteSolver.h"
#include "Explanation.h"
#include "PuzzleFormats.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace zd;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

struct Totals
{
    int puzzles = 0;
    double solveSeconds = 0;
    double explainSeconds = 0; // the solve and the trace after it
    int64_t steps = 0;
};

// Hints on pictures of one fixed sequence, so every run times the same.
void timeHints(int count, int size, bool verbose)
{
    uint64_t seed = 0x9e3779b97f4a7c15u;
    const auto coin = [&seed] {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return (seed >> 33) & 1u;
    };
    double total = 0;
    double longest = 0;
    for (int n = 0; n < count; ++n) {
        std::vector<std::string> picture(static_cast<size_t>(size), std::string());
        for (std::string &row : picture)
            for (int c = 0; c < size; ++c)
                row.push_back(coin() ? '#' : '.');
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        CellGrid known(static_cast<size_t>(size) * static_cast<size_t>(size), CellUnknown);
        for (size_t cell = 0; cell < known.size(); ++cell)
            if (coin())
                known[cell]
                    = picture[cell / static_cast<size_t>(size)][cell % static_cast<size_t>(size)]
                        == '#'
                    ? CellFilled
                    : CellEmpty;
        ExplainOptions options;
        options.known = &known;
        options.maxSteps = 1;
        const auto started = Clock::now();
        const Explanation hint = explainPuzzle(clues, options);
        const double seconds = secondsSince(started);
        total += seconds;
        longest = std::max(longest, seconds);
        if (verbose)
            std::printf("  picture %d: %.4f s, %s, %zu cells\n", n + 1, seconds,
                        hint.steps.empty() ? "no step"
                                           : techniqueName(hint.steps.front().technique),
                        hint.steps.empty() ? size_t(0) : hint.steps.front().cells.size());
    }
    std::printf(
        "hints on %d pictures of %dx%d, half the cells shown: %.4f s on average, %.4f s the "
        "longest\n",
        count, size, size, total / std::max(count, 1), longest);
}

void timeOne(const std::filesystem::path &file, bool verbose, Totals &totals)
{
    const std::vector<PuzzleEntry> entries = readPuzzleFile(file.string(), PuzzleFormat::Text);
    if (entries.empty() || entries.front().failed()) {
        std::fprintf(stderr, "%s: not readable\n", file.c_str());
        return;
    }
    const PuzzleClues &clues = entries.front().clues;
    auto started = Clock::now();
    const SolveResult plain = solveCompletely(clues);
    const double solveSeconds = secondsSince(started);

    started = Clock::now();
    const SolveResult solved = solveCompletely(clues);
    ExplainOptions options;
    options.solved = &solved;
    const Explanation explanation = explainPuzzle(clues, options);
    const double explainSeconds = secondsSince(started);

    ++totals.puzzles;
    totals.solveSeconds += solveSeconds;
    totals.explainSeconds += explainSeconds;
    totals.steps += static_cast<int64_t>(explanation.steps.size());
    if (verbose)
        std::printf("  %-32s %-8s solve %8.4f s  explain %8.4f s  %6zu steps  grade %s\n",
                    file.filename().c_str(), verdictName(plain.verdict), solveSeconds,
                    explainSeconds, explanation.steps.size(), gradeName(explanation.grade));
}

} // namespace

int main(int argc, char **argv)
{
    bool verbose = false;
    bool hints = false;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else if (std::strcmp(argv[i], "--hint") == 0)
            hints = true;
        else
            folders.emplace_back(argv[i]);
    }
    if (hints) {
        timeHints(10, 99, verbose);
        return 0;
    }
    if (folders.empty()) {
        std::fprintf(stderr, "usage: explain_bench [--verbose] FOLDER|FILE... | --hint\n");
        return 64;
    }
    Totals all;
    for (const std::string &folder : folders) {
        Totals totals;
        for (const auto &file : puzzleFiles(folder))
            timeOne(file, verbose, totals);
        std::printf("%s: %d puzzles, solve %.3f s, solve and explain %.3f s (%.2fx), %lld steps\n",
                    folder.c_str(), totals.puzzles, totals.solveSeconds, totals.explainSeconds,
                    totals.explainSeconds / std::max(totals.solveSeconds, 1e-9),
                    static_cast<long long>(totals.steps));
        all.puzzles += totals.puzzles;
        all.solveSeconds += totals.solveSeconds;
        all.explainSeconds += totals.explainSeconds;
        all.steps += totals.steps;
    }
    if (folders.size() > 1)
        std::printf("all: %d puzzles, solve %.3f s, solve and explain %.3f s (%.2fx)\n",
                    all.puzzles, all.solveSeconds, all.explainSeconds,
                    all.explainSeconds / std::max(all.solveSeconds, 1e-9));
    return 0;
}
