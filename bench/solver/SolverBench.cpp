// Runs the complete solver over folders of .zd puzzles, one puzzle at a time
// on one core (or on N racing threads with --threads N), and prints per
// folder the verdicts, the grades and the times.
//
//   solver_bench [--timeout SECONDS] [--engine sat|cdcl] [--threads N] [--verbose] FOLDER...

#include "CMalovanaKrizovkaFromFile.h"
#include "CompleteSolver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace zd;

namespace {

SolverEngine engine = SolverEngine::Sat; // --engine
int threads = 1; // --threads

struct Timing
{
    std::string name;
    double seconds = 0;
};

struct FolderReport
{
    std::map<std::string, int> verdicts;
    std::map<std::string, int> grades;
    std::vector<Timing> timings;
    int unreadable = 0;
};

std::vector<std::filesystem::path> puzzleFiles(const std::filesystem::path &folder)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_regular_file(folder))
        return { folder };
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".zd")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The time of one puzzle includes reading its file.
void solveOne(const std::filesystem::path &file, double timeout, bool verbose, FolderReport &report)
{
    const auto started = std::chrono::steady_clock::now();
    CMalovanaKrizovkaFromFile model;
    model.load(file.c_str());
    if (!model.lastError().empty()) {
        std::fprintf(stderr, "%s\n", model.lastError().c_str());
        ++report.unreadable;
        return;
    }
    SolveOptions options;
    options.timeLimitSeconds = timeout;
    options.engine = engine;
    options.threads = threads;
    const SolveResult result = solveCompletely(model, options);
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ++report.verdicts[verdictName(result.verdict)];
    if (result.verdict == Verdict::Unique)
        ++report.grades[gradeName(result.grade)];
    report.timings.push_back({ file.filename().string(), seconds });
    if (verbose)
        std::printf("  %-28s %-8s %-6s %8.4f s  nodes %lld  probes %lld\n", file.filename().c_str(),
                    verdictName(result.verdict), gradeName(result.grade), seconds,
                    static_cast<long long>(result.searchNodes),
                    static_cast<long long>(result.probes));
}

std::string counts(const std::map<std::string, int> &tally)
{
    std::string text;
    for (const auto &[name, count] : tally)
        text += name + " " + std::to_string(count) + "  ";
    return text;
}

void printReport(const std::string &folder, FolderReport &report)
{
    auto &timings = report.timings;
    std::sort(timings.begin(), timings.end(),
              [](const Timing &a, const Timing &b) { return a.seconds < b.seconds; });
    double total = 0;
    for (const Timing &timing : timings)
        total += timing.seconds;
    const double median = timings.empty() ? 0 : timings[timings.size() / 2].seconds;
    std::printf("%s: %zu puzzles", folder.c_str(), timings.size());
    if (report.unreadable > 0)
        std::printf(", %d unreadable", report.unreadable);
    std::printf("\n  verdicts: %s\n  grades (unique): %s\n", counts(report.verdicts).c_str(),
                counts(report.grades).c_str());
    if (!timings.empty())
        std::printf("  total %.3f s  median %.4f s  slowest %.4f s (%s)\n", total, median,
                    timings.back().seconds, timings.back().name.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    double timeout = 10;
    bool verbose = false;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            timeout = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--engine") == 0 && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name != "sat" && name != "cdcl") {
                std::fprintf(stderr, "--engine takes sat or cdcl, not '%s'\n", name.c_str());
                return 2;
            }
            engine = name == "cdcl" ? SolverEngine::Cdcl : SolverEngine::Sat;
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            threads = std::atoi(argv[++i]);
            if (threads < 1 || threads > 64) {
                std::fprintf(stderr, "--threads takes 1 to 64\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else
            folders.emplace_back(argv[i]);
    }
    if (folders.empty()) {
        std::fprintf(stderr,
                     "usage: %s [--timeout SECONDS] [--engine sat|cdcl] [--threads N] [--verbose] "
                     "FOLDER...\n",
                     argv[0]);
        return 2;
    }
    for (const std::string &folder : folders) {
        FolderReport report;
        std::error_code error;
        if (!std::filesystem::exists(folder, error)) {
            std::fprintf(stderr, "%s: no such file or folder\n", folder.c_str());
            continue;
        }
        for (const auto &file : puzzleFiles(folder))
            solveOne(file, timeout, verbose, report);
        printReport(folder, report);
        std::fflush(stdout);
    }
    return 0;
}
