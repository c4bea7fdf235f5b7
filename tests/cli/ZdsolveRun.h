#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zd {

// A fresh folder for one test's files, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path()
            / ("zdsolve-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    // Writes `content` to NAME inside the folder and returns its path.
    std::string write(const std::string &name, const std::string &content) const
    {
        const std::filesystem::path path = folder / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string path(const std::string &name = "") const { return (folder / name).string(); }

private:
    std::filesystem::path folder;
};

inline std::string fileContent(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct RunResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs zdsolve with the arguments (each quoted for the shell) and collects
// its exit code and both output streams.
inline RunResult runZdsolveProgram(const std::vector<std::string> &arguments)
{
    TemporaryFolder outputs;
    std::string command = std::string("'") + ZDSOLVE_PROGRAM + "'";
    for (const std::string &argument : arguments)
        command += " '" + argument + "'";
    command += " >'" + outputs.path("out") + "' 2>'" + outputs.path("err") + "' </dev/null";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = fileContent(outputs.path("out"));
    result.err = fileContent(outputs.path("err"));
    return result;
}

inline std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// The 4 x 5 picture "##.##" / "#...#" / "#####" / "..#..": one solution.
inline const char *const uniquePuzzle = "4 5\n2 2\n1 1\n5\n1\n\n3\n1 1\n2\n1 1\n3\n";
// 2 x 2 with a 1 on every line: two solutions.
inline const char *const multiplePuzzle = "2 2\n1\n1\n\n1\n1\n";
// The row clues fill one cell, the column clues none.
inline const char *const impossiblePuzzle = "1 1\n1\n\n0\n";
// A letter in the clue line of row 2 (line 3).
inline const char *const badPuzzle = "2 2\n1\nx\n\n1\n1\n";

} // namespace zd
