#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A file with given bytes in the system's temporary folder, removed again when
// the object goes out of scope.
class TemporaryFile
{
public:
    explicit TemporaryFile(std::string_view content, std::string_view suffix = ".zd")
    {
        std::random_device seed;
        filePath = (std::filesystem::temp_directory_path()
                    / ("zdtest-" + std::to_string(seed()) + std::string(suffix)))
                       .string();
        std::ofstream out(filePath, std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    ~TemporaryFile() { std::remove(filePath.c_str()); }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const std::string &path() const { return filePath; }

private:
    std::string filePath;
};
