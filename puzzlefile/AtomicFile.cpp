#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zd {

namespace {

// mkstemp creates the file readable by its owner only; a written puzzle gets
// the permissions any new file gets.
mode_t newFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

// Returns 0 or the errno of the first failing call.
int writeAll(int fd, std::string_view content)
{
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return errno;
        done += static_cast<size_t>(wrote);
    }
    return 0;
}

std::string cannotWrite(const std::string &path, int reason)
{
    return path + ": cannot write: " + std::strerror(reason);
}

} // namespace

bool writeFileAtomically(const std::string &path,
                         const std::function<bool(const std::string &, std::string &)> &write,
                         std::string &error)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder
        = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // Hidden, so that a folder scan running meanwhile does not take it for a puzzle.
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = cannotWrite(path, errno);
        return false;
    }
    int reason = ::fchmod(fd, newFileMode()) == 0 ? 0 : errno;
    if (::close(fd) != 0 && reason == 0)
        reason = errno;
    std::string writerError;
    const bool written = reason == 0 && write(temporary, writerError);
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    if (written)
        reason = errno;
    ::unlink(temporary.c_str());
    error = reason != 0 || writerError.empty() ? cannotWrite(path, reason != 0 ? reason : EIO)
                                               : writerError;
    return false;
}

bool writeFileAtomically(const std::string &path, std::string_view content, std::string &error)
{
    return writeFileAtomically(
        path,
        [path, content](const std::string &temporary, std::string &why) {
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            int reason = fd < 0 ? errno : writeAll(fd, content);
            if (fd >= 0 && ::close(fd) != 0 && reason == 0)
                reason = errno;
            if (reason != 0)
                why = cannotWrite(path, reason);
            return reason == 0;
        },
        error);
}

} // namespace zd
