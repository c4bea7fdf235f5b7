// Times solve() (line logic only) over puzzle files. Run by hand:
//
//     linesolver_bench FOLDER_OR_FILE...
//
// Prints per puzzle the result code, passes, steps and seconds, and per
// argument the number of puzzles, their total time and the slowest one. The
// pass lines that solve writes to standard output are silenced while it runs.

#include "CMalovanaKrizovkaFromFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace zd;

namespace {

namespace fs = std::filesystem;

// Redirects standard output to /dev/null for the lifetime of the object.
class SilencedStdout
{
public:
    SilencedStdout()
    {
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        std::FILE *sink = std::fopen("/dev/null", "w");
        if (sink) {
            dup2(fileno(sink), STDOUT_FILENO);
            std::fclose(sink);
        }
    }
    ~SilencedStdout()
    {
        std::fflush(stdout);
        if (saved >= 0) {
            dup2(saved, STDOUT_FILENO);
            close(saved);
        }
    }
    SilencedStdout(const SilencedStdout &) = delete;
    SilencedStdout &operator=(const SilencedStdout &) = delete;

private:
    int saved = -1;
};

std::vector<fs::path> puzzleFiles(const fs::path &argument)
{
    std::vector<fs::path> files;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry &entry : fs::directory_iterator(argument))
            if (entry.path().extension() == ".zd")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(argument);
    }
    return files;
}

struct Timing
{
    std::string name;
    double seconds = 0;
};

// Solves one file and prints its line; returns its time, or a negative value
// when the file cannot be read.
double solveOne(const fs::path &file)
{
    CMalovanaKrizovkaFromFile model;
    model.load(file.c_str());
    if (!model.lastError().empty()) {
        std::printf("%s: %s\n", file.filename().c_str(), model.lastError().c_str());
        return -1;
    }
    int code = 0;
    const auto start = std::chrono::steady_clock::now();
    {
        SilencedStdout silenced;
        code = model.solve(nullptr, 0);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-28s %4dx%-4d code %d passes %6d steps %9d %9.4f s\n", file.filename().c_str(),
                model.rowCount(), model.columnCount(), code, model.passCount(), model.stepCount(),
                elapsed.count());
    return elapsed.count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER_OR_FILE...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        Timing total { argv[i], 0 };
        Timing slowest;
        int solved = 0;
        for (const fs::path &file : puzzleFiles(argv[i])) {
            const double seconds = solveOne(file);
            if (seconds < 0)
                continue;
            ++solved;
            total.seconds += seconds;
            if (seconds >= slowest.seconds)
                slowest = { file.filename().string(), seconds };
        }
        std::printf("== %s: %d puzzles, total %.3f s, slowest %s %.4f s\n\n", total.name.c_str(),
                    solved, total.seconds, slowest.name.c_str(), slowest.seconds);
        std::fflush(stdout);
    }
    return 0;
}
