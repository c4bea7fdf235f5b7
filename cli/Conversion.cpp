#include "Conversion.h"

#include "AtomicFile.h"
#include "ExitCodes.h"
#include "OutputTargets.h"
#include "PrintableText.h"

#include <cstdio>
#include <filesystem>
#include <set>

namespace zd {

namespace fs = std::filesystem;

namespace {

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

namespace {

// Where each readable entry goes; "" for standard output and failed entries.
std::vector<std::string> plannedDestinations(const std::vector<PuzzleEntry> &entries,
                                             PuzzleFormat target, const std::string &outputPath,
                                             bool toFolder)
{
    std::vector<std::string> destinations;
    for (const PuzzleEntry &entry : entries) {
        if (entry.failed() || outputPath.empty())
            destinations.emplace_back();
        else if (toFolder)
            destinations.push_back(
                (fs::path(outputPath) / convertedFileName(entry.name, target)).string());
        else
            destinations.push_back(outputPath);
    }
    return destinations;
}

void reportError(const std::string &error)
{
    std::fprintf(stderr, "zdsolve: %s\n", printableText(error).c_str());
}

} // namespace

int convertPuzzles(const std::vector<PuzzleEntry> &entries, PuzzleFormat target,
                   const std::string &outputPath, const std::vector<std::string> &inputPaths)
{
    const bool toFolder = !outputPath.empty() && isFolderTarget(outputPath);
    if (!toFolder && readableCount(entries) > 1) {
        std::fprintf(stderr, "zdsolve: %zu puzzles to convert: name a folder with -o\n",
                     readableCount(entries));
        return ExitUsage;
    }
    const std::vector<std::string> destinations
        = plannedDestinations(entries, target, outputPath, toFolder);
    // Checked before anything is written: a later clash must not find an
    // input already replaced.
    if (const auto overwrite = findInputOverwrite(destinations, inputPaths)) {
        reportError(overwrite->destination + " would overwrite the input " + overwrite->input
                    + "; nothing was written");
        return ExitUsage;
    }
    std::error_code code;
    if (toFolder && !fs::create_directories(outputPath, code) && code) {
        reportError(outputPath + ": cannot create the folder: " + code.message());
        return ExitBadFile;
    }
    int exitCode = ExitAllAnswered;
    std::set<std::string> written;
    for (size_t i = 0; i < entries.size(); ++i) {
        const PuzzleEntry &entry = entries[i];
        const std::string &destination = destinations[i];
        std::string content;
        std::string error = entry.error;
        if (error.empty() && !writePuzzleContent(entry, target, content, error))
            error = entry.name + ": " + error;
        if (error.empty() && toFolder && !written.insert(destination).second)
            error = entry.name + ": " + destination + " was already written for another puzzle";
        if (error.empty() && outputPath.empty())
            std::fwrite(content.data(), 1, content.size(), stdout);
        else if (error.empty() && writeFileAtomically(destination, content, error))
            std::fprintf(stderr, "%s -> %s\n", printableText(entry.name).c_str(),
                         printableText(destination).c_str());
        if (!error.empty()) {
            reportError(error);
            exitCode = ExitBadFile;
        }
    }
    return exitCode;
}

} // namespace zd
