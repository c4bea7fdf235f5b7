#include "InputFiles.h"

#include "PictureFile.h"

#include <algorithm>
#include <filesystem>

namespace zd {

namespace fs = std::filesystem;

namespace {

InputFile unreadable(const std::string &path, const std::string &what)
{
    return { path, std::nullopt, path + ": " + what };
}

// Walks one folder and its subfolders (not those reached through links).
// Hidden entries and files of other extensions are passed over; a folder that
// cannot be listed is reported instead of dropped. Anything else with a
// puzzle extension is handed on, and the reader refuses what is not a regular
// file without blocking on it.
void walkFolder(const fs::path &folder, std::optional<PuzzleFormat> forced,
                std::vector<InputFile> &found)
{
    std::error_code code;
    fs::directory_iterator entry(folder, code);
    for (; !code && entry != fs::directory_iterator(); entry.increment(code)) {
        const fs::path &path = entry->path();
        const std::string name = path.filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kindCode;
        if (entry->symlink_status(kindCode).type() == fs::file_type::directory)
            walkFolder(path, forced, found);
        else if (const auto format = puzzleFormatOfPath(path.string()))
            found.push_back({ path.string(), forced ? forced : format, "" });
    }
    if (code)
        found.push_back(unreadable(folder.string(), "cannot list the folder: " + code.message()));
}

void collectFolder(const std::string &folder, std::optional<PuzzleFormat> forced,
                   std::vector<InputFile> &files)
{
    std::vector<InputFile> found;
    walkFolder(folder, forced, found);
    if (found.empty()) {
        files.push_back(unreadable(
            folder, "the folder holds no puzzle files (extensions: " + puzzleFormatList() + ")"));
        return;
    }
    std::sort(found.begin(), found.end(),
              [](const InputFile &a, const InputFile &b) { return a.path < b.path; });
    files.insert(files.end(), found.begin(), found.end());
}

InputFile namedFile(const std::string &path, std::optional<PuzzleFormat> forced)
{
    InputFile file { path, forced ? forced : puzzleFormatOfPath(path), "" };
    if (!file.format && !isPicturePath(path))
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
        if (!file.format) {
            entries.push_back(readPictureFile(file.path));
            continue;
        }
        for (PuzzleEntry &entry : readPuzzleFile(file.path, *file.format, ColourPuzzles::Read))
            entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace zd
