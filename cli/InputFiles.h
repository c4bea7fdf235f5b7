#pragma once

#include "PuzzleFormats.h"

#include <optional>
#include <string>
#include <vector>

namespace zd {

// One file to read, or the reason a named input cannot be read.
struct InputFile
{
    std::string path;
    // Empty for a picture read as a puzzle (PictureFile.h), or with `error`
    // when it cannot be told.
    std::optional<PuzzleFormat> format;
    std::string error; // "path: what is wrong"; empty for a file to read
};

// Expands the command line's files and folders into files, in the order
// given; a folder gives the files below it with a known extension, sorted by
// path. `forced` (--format) sets every file's format.
std::vector<InputFile> collectInputFiles(const std::vector<std::string> &inputs,
                                         std::optional<PuzzleFormat> forced);

// Reads every input; failed inputs and unreadable files become failed entries.
std::vector<PuzzleEntry> readInputs(const std::vector<InputFile> &files);

} // namespace zd
