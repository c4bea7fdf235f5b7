#pragma once

// Small steps shared by the line methods; included by the solver's sources only.

#include "CMalovanaKrizovka.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

// A cell of a line, or CellUnknown for any index outside it: the methods may
// look one cell past either end, and a block pushed off the line by
// contradicting cells must not read beyond it.
inline int32_t cellOrUnknown(std::span<const int32_t> line, int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(line.size()) ? line[index] : CellUnknown;
}

// Places every block after block k at its lowest legal start behind its
// predecessor, never below its own earliest start. This can move a block left.
template<typename Block> void repackFollowingBlocks(std::span<Block> blocks, std::size_t k)
{
    for (std::size_t i = k + 1; i < blocks.size(); ++i) {
        const Block &previous = blocks[i - 1];
        auto start
            = static_cast<decltype(previous.position)>(previous.position + previous.length + 1);
        blocks[i].position = start < blocks[i].earliestStart ? blocks[i].earliestStart : start;
    }
}

// A 32-bit value stored into a 16-bit clue field, held at the field's limits.
inline int16_t toClueField(int32_t value)
{
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

// One more line-solve step; the counter wraps instead of overflowing.
inline void countStep(int32_t *steps)
{
    *steps = static_cast<int32_t>(static_cast<uint32_t>(*steps) + 1u);
}

// Whether the block, started at `start`, touches a filled cell at either end
// or covers an empty cell. Cells outside the line are neither.
inline bool blockConflictsAt(const BlockState &block, int32_t start, std::span<const int32_t> line)
{
    const auto length = static_cast<int32_t>(line.size());
    if (start > 0 && cellOrUnknown(line, start - 1) == CellFilled)
        return true;
    for (int32_t c = std::max(start, 0); c < std::min(start + block.length, length); ++c)
        if (line[c] == CellEmpty)
            return true;
    return start + block.length < length && cellOrUnknown(line, start + block.length) == CellFilled;
}
