#include "InputFiles.h"

#include <algorithm>
#include <filesystem>

namespace zd {

namespace fs = std::filesystem;

namespace {

void collectFolder(const std::string &folder, std::optional<PuzzleFormat> forced,
                   std::vector<InputFile> &files)
{
    std::error_code code;
    std::vector<std::string> found;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied,
                                          code);
    for (; !code && walk != fs::recursive_directory_iterator(); walk.increment(code)) {
        const std::string name = walk->path().filename().string();
        if (!name.empty() && name[0] == '.') { // hidden files and folders
            if (walk->is_directory(code))
                walk.disable_recursion_pending();
            continue;
        }
        if (walk->is_regular_file(code) && puzzleFormatOfPath(walk->path().string()))
            found.push_back(walk->path().string());
    }
    if (code) {
        files.push_back({ folder, std::nullopt, folder + ": cannot list: " + code.message() });
        return;
    }
    std::sort(found.begin(), found.end());
    for (const std::string &path : found)
        files.push_back({ path, forced ? forced : puzzleFormatOfPath(path), "" });
}

InputFile namedFile(const std::string &path, std::optional<PuzzleFormat> forced)
{
    InputFile file { path, forced ? forced : puzzleFormatOfPath(path), "" };
    if (!file.format)
        file.error = path + ": unknown extension; use one of " + puzzleFormatList()
            + " or name the format with --format";
    return file;
}

} // namespace

std::vector<InputFile> collectInputFiles(const std::vector<std::string> &inputs,
                                         std::optional<PuzzleFormat> forced)
{
    std::vector<InputFile> files;
    for (const std::string &input : inputs) {
        std::error_code code;
        const fs::file_status status = fs::status(input, code);
        if (status.type() == fs::file_type::not_found)
            files.push_back(
                { input, std::nullopt, input + ": cannot open: no such file or folder" });
        else if (status.type() == fs::file_type::directory)
            collectFolder(input, forced, files);
        else
            files.push_back(namedFile(input, forced));
    }
    return files;
}

std::vector<PuzzleEntry> readInputs(const std::vector<InputFile> &files)
{
    std::vector<PuzzleEntry> entries;
    for (const InputFile &file : files) {
        if (!file.error.empty()) {
            PuzzleEntry failed;
            failed.name = file.path;
            failed.error = file.error;
            entries.push_back(std::move(failed));
            continue;
        }
        for (PuzzleEntry &entry : readPuzzleFile(file.path, *file.format))
            entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace zd
