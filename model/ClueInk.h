#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// How a line's clue numbers are inked while a person solves by hand: plain,
// done (the line's filled cells already show its clue) or broken (its cells
// can no longer meet its clue).
enum class ClueInk : uint8_t { Plain, Done, Broken };

struct ClueInks
{
    std::vector<ClueInk> rows; // one a row, or empty: all plain
    std::vector<ClueInk> columns;

    ClueInk row(int r) const
    {
        return r < int(rows.size()) ? rows[std::size_t(r)] : ClueInk::Plain;
    }
    ClueInk column(int c) const
    {
        return c < int(columns.size()) ? columns[std::size_t(c)] : ClueInk::Plain;
    }
};

} // namespace zd
