#pragma once

namespace zd {

// Flushes standard output; the system's reason for the first failure is kept
// for the message of finishStandardOutput.
void flushStandardOutput();

// Flushes standard output and checks that everything written to it arrived
// (a full disk, a closed pipe, /dev/full). Returns `exitCode`, raised to
// ExitBadFile with a message on standard error when something was lost.
int finishStandardOutput(int exitCode);

} // namespace zd
