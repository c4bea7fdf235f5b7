#include "Interruption.h"

#include <csignal>

namespace zd {

namespace {

std::atomic<bool> interrupted { false };
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void onInterrupt(int)
{
    interrupted.store(true);
}

} // namespace

void catchInterruption()
{
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND; // the second Ctrl-C is handled the default way
    sigaction(SIGINT, &action, nullptr);
}

const std::atomic<bool> &interruptionFlag()
{
    return interrupted;
}

bool wasInterrupted()
{
    return interrupted.load();
}

} // namespace zd
