#include "Conversion.h"

#include "ExitCodes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace zd {

namespace fs = std::filesystem;

namespace {

bool writeFile(const fs::path &path, const std::string &content, std::string &error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        error = path.string() + ": cannot write";
        return false;
    }
    return true;
}

bool isFolderTarget(const std::string &outputPath)
{
    std::error_code code;
    return outputPath.back() == '/' || fs::is_directory(outputPath, code);
}

size_t readableCount(const std::vector<PuzzleEntry> &entries)
{
    size_t count = 0;
    for (const PuzzleEntry &entry : entries)
        count += entry.failed() ? 0 : 1;
    return count;
}

} // namespace

std::string convertedFileName(const std::string &entryName, PuzzleFormat target)
{
    const size_t hash = entryName.rfind('#');
    const bool inBatch
        = hash != std::string::npos && entryName.find('/', hash) == std::string::npos;
    const fs::path file(inBatch ? entryName.substr(0, hash) : entryName);
    std::string name = file.stem().string();
    if (inBatch)
        name += "-" + entryName.substr(hash + 1);
    return name + "." + puzzleFormatName(target);
}

int convertPuzzles(const std::vector<PuzzleEntry> &entries, PuzzleFormat target,
                   const std::string &outputPath)
{
    const bool toFolder = !outputPath.empty() && isFolderTarget(outputPath);
    if (!toFolder && readableCount(entries) > 1) {
        std::fprintf(stderr, "zdsolve: %zu puzzles to convert: name a folder with -o\n",
                     readableCount(entries));
        return ExitUsage;
    }
    std::error_code code;
    if (toFolder && !fs::create_directories(outputPath, code) && code) {
        std::fprintf(stderr, "zdsolve: %s: cannot create the folder: %s\n", outputPath.c_str(),
                     code.message().c_str());
        return ExitBadFile;
    }
    int exitCode = ExitAllAnswered;
    std::set<std::string> written;
    for (const PuzzleEntry &entry : entries) {
        std::string content;
        std::string error = entry.error;
        if (error.empty() && !writePuzzleContent(entry, target, content, error))
            error = entry.name + ": " + error;
        fs::path destination = toFolder
            ? fs::path(outputPath) / convertedFileName(entry.name, target)
            : fs::path(outputPath);
        if (error.empty() && toFolder && !written.insert(destination.string()).second)
            error = entry.name + ": " + destination.string()
                + " was already written for another puzzle";
        if (error.empty() && outputPath.empty())
            std::fwrite(content.data(), 1, content.size(), stdout);
        else if (error.empty() && writeFile(destination, content, error))
            std::fprintf(stderr, "%s -> %s\n", entry.name.c_str(), destination.string().c_str());
        if (!error.empty()) {
            std::fprintf(stderr, "zdsolve: %s\n", error.c_str());
            exitCode = ExitBadFile;
        }
    }
    return exitCode;
}

} // namespace zd
