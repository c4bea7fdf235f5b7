#include "PictureFile.h"

#include "PbmPicture.h"
#include "PngPicture.h"
#include "PuzzleFileBytes.h"

#include <cctype>
#include <filesystem>

namespace zd {

bool isPicturePath(std::string_view path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".pbm" || extension == ".png";
}

namespace {

// Told by the content, not the name: a PNG signature, or else PBM.
ParseError parsePicture(std::string_view content, std::vector<std::string> &picture)
{
    if (content.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8))
        return parsePngPicture(content, picture);
    return parsePbmPicture(content, picture);
}

} // namespace

PuzzleEntry parsePictureContent(std::string_view content, const std::string &path)
{
    PuzzleEntry entry;
    entry.name = path;
    std::vector<std::string> picture;
    const ParseError error = parsePicture(content, picture);
    if (error.failed()) {
        const std::string &message = error.message;
        const size_t colon = message.find(": ");
        entry.error = message.rfind("line ", 0) == 0 && colon != std::string::npos
            ? path + ":" + std::to_string(error.line) + ": " + message.substr(colon + 2)
            : path + ": " + message;
        return entry;
    }
    entry.clues = PuzzleClues::fromPicture(picture);
    entry.goal = std::move(picture);
    return entry;
}

PuzzleEntry readPictureFile(const std::string &path)
{
    std::string content;
    if (std::string error = readPuzzleFileBytes(path, maxPuzzleFileBytes, content);
        !error.empty()) {
        PuzzleEntry entry;
        entry.name = path;
        entry.error = std::move(error);
        return entry;
    }
    return parsePictureContent(content, path);
}

} // namespace zd
