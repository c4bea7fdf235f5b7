#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace zd {

// "[########------------]  40/100  3 s": how far a run has got.
std::string progressLine(size_t done, size_t total, double elapsedSeconds, int width = 30);

// A progress bar redrawn in place on a terminal. When disabled (standard
// error is not a terminal, or the user asked for none) every call does nothing.
class ProgressBar
{
public:
    ProgressBar(std::FILE *terminal, bool enabled);
    ~ProgressBar() { clear(); }
    ProgressBar(const ProgressBar &) = delete;
    ProgressBar &operator=(const ProgressBar &) = delete;

    // Redraws at most ten times a second, and always at the end.
    void show(size_t done, size_t total);
    // Removes the bar so that other output starts on a clean line.
    void clear();

private:
    std::FILE *out;
    bool enabled;
    bool drawn = false;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastDrawn {};
};

} // namespace zd
