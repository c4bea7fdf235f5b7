#pragma once

#include <atomic>

namespace zd {

// Ctrl-C (SIGINT) during a run: the first one sets the flag, which cancels the
// solves in progress (they end as timeout with what they know) and stops new
// ones from starting; a second one ends the program at once.
void catchInterruption();
const std::atomic<bool> &interruptionFlag();
bool wasInterrupted();

} // namespace zd
