#include "PuzzleFileBytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zd {

namespace {

const char *kindOfFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

std::string megabytes(long long bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

// Reads until the end of the file, or until it holds more than `maxBytes`
// (the file may grow while it is read).
std::string readAll(int fd, const std::string &path, long long maxBytes, std::string &content)
{
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return path + ": cannot read: " + std::strerror(errno);
        if (got == 0)
            return "";
        content.append(buffer, static_cast<size_t>(got));
        if (static_cast<long long>(content.size()) > maxBytes)
            return path + ": the file is larger than the " + megabytes(maxBytes)
                + " a puzzle file may have";
    }
}

std::string checkedAndRead(int fd, const std::string &path, long long maxBytes,
                           std::string &content)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return path + ": cannot read: " + std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return path + ": " + kindOfFile(info.st_mode) + ", not a puzzle file; it is not read";
    if (info.st_size > maxBytes)
        return path + ": the file has " + std::to_string(info.st_size)
            + " bytes; puzzle files over " + megabytes(maxBytes) + " are refused";
    content.reserve(static_cast<size_t>(info.st_size));
    return readAll(fd, path, maxBytes, content);
}

} // namespace

std::string readPuzzleFileBytes(const std::string &path, long long maxBytes, std::string &content,
                                int *closeResult)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return path + ": cannot open: " + std::strerror(errno);
    std::string error = checkedAndRead(fd, path, maxBytes, content);
    const int closed = ::close(fd);
    if (closeResult)
        *closeResult = closed;
    if (!error.empty())
        content.clear();
    return error;
}

} // namespace zd
