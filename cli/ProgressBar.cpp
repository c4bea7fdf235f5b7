#include "ProgressBar.h"

#include <algorithm>

namespace zd {

std::string progressLine(size_t done, size_t total, double elapsedSeconds, int width)
{
    const size_t shown = std::min(done, total);
    const size_t filled = total == 0 ? width : shown * static_cast<size_t>(width) / total;
    std::string line = "[" + std::string(filled, '#') + std::string(width - filled, '-') + "] ";
    line += std::to_string(shown) + "/" + std::to_string(total);
    line += "  " + std::to_string(static_cast<long long>(elapsedSeconds)) + " s";
    return line;
}

ProgressBar::ProgressBar(std::FILE *terminal, bool enable)
    : out(terminal)
    , enabled(enable)
{ }

void ProgressBar::show(size_t done, size_t total)
{
    if (!enabled)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (drawn && done < total && now - lastDrawn < std::chrono::milliseconds(100))
        return;
    lastDrawn = now;
    const double elapsed = std::chrono::duration<double>(now - start).count();
    std::fprintf(out, "\r%s\033[K", progressLine(done, total, elapsed).c_str());
    std::fflush(out);
    drawn = true;
}

void ProgressBar::clear()
{
    if (!enabled || !drawn)
        return;
    std::fputs("\r\033[K", out);
    std::fflush(out);
    drawn = false;
}

} // namespace zd
