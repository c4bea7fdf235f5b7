#include "StandardOutput.h"

#include "ExitCodes.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zd {

namespace {

// errno of the first failed flush; a later flush may find the buffer already
// dropped and no reason left.
std::atomic<int> firstFailure { 0 };

} // namespace

void flushStandardOutput()
{
    errno = 0;
    if (std::fflush(stdout) != 0 && errno != 0) {
        int none = 0;
        firstFailure.compare_exchange_strong(none, errno);
    }
}

int finishStandardOutput(int exitCode)
{
    flushStandardOutput();
    if (!std::ferror(stdout))
        return exitCode;
    const int reason = firstFailure.load();
    std::fprintf(stderr, "zdsolve: cannot write to standard output: %s\n",
                 reason != 0 ? std::strerror(reason) : "a write failed");
    return std::max(exitCode, static_cast<int>(ExitBadFile));
}

} // namespace zd
