// The quick line method. It finds, for every block, a lowest start that no
// placement agreeing with the decided cells can undercut: a copy of the
// blocks is settled against the line from the left, and a reversed copy
// against the reversed line. A cell that lies inside a block at both its
// lowest and its highest start is filled; a cell that no block can reach is
// empty. Settling costs a few scans of the line per round and rarely needs
// more than two rounds. It decides less than the placement enumeration: a
// cell whose state follows only from how the blocks combine (such as a gap
// that every agreeing placement leaves between two blocks) stays open.

#include "BlockRanges.h"
#include "CMalovanaKrizovka.h"
#include "LineSteps.h"

#include <algorithm>

namespace {

using Line = std::span<const int32_t>;
using Blocks = std::span<BlockState>;

// The highest block whose start is at or before `cell`; block 0 if none is.
std::size_t lastBlockStartingBy(Blocks blocks, int32_t cell)
{
    for (std::size_t i = blocks.size(); i-- > 0;)
        if (blocks[i].position <= cell)
            return i;
    return 0;
}

// Scanning from the right, pulls a block right wherever a run of filled cells
// would otherwise lie two or more cells past the end of the block that must
// cover it. Returns whether a block moved.
bool coverPass(Blocks blocks, Line line)
{
    bool moved = false;
    int32_t p = static_cast<int32_t>(line.size()) - 1;
    for (;;) {
        const int32_t scanStart = p;
        while (p > 0 && cellOrUnknown(line, p) != CellFilled)
            --p;
        while (p > 0 && cellOrUnknown(line, p) == CellFilled)
            --p;
        // f is the first cell of the run, or 1 when the scan reached cell 0.
        const int32_t f = p + 1;
        const std::size_t h = lastBlockStartingBy(blocks, f);
        BlockState &block = blocks[h];
        const bool movesBlock = block.position + block.length < f;
        if (movesBlock) {
            block.position = f - block.length + 1;
            repackFollowingBlocks(blocks, h);
            moved = true;
        }
        p = block.position - 1;
        // A round that neither moves a block nor lowers p would repeat itself
        // for ever. Blocks in clue order always lower p; a zero-length block
        // beside others would not, and such lists never reach this pass, but
        // the pass must end whatever the positions it is handed.
        if (h == 0 || (!movesBlock && p >= scanStart))
            return moved;
    }
}

// The lowest start from the block's position on at which it does not
// conflict; stepping one cell at a time would reach the same start.
int32_t firstStartWithoutConflict(const BlockState &block, Line line)
{
    const auto length = static_cast<int32_t>(line.size());
    int32_t start = block.position;
    for (;;) {
        int32_t lastEmpty = -1;
        for (int32_t c = std::max(start, 0); c < std::min(start + block.length, length); ++c)
            if (line[c] == CellEmpty)
                lastEmpty = c;
        if (lastEmpty >= 0)
            start = lastEmpty + 1;
        else if (blockConflictsAt(block, start, line))
            ++start;
        else
            return start;
    }
}

// From the left, pushes each block right until it conflicts with no decided
// cell, re-packing the blocks behind it. Returns whether a block moved.
bool checkPass(Blocks blocks, Line line)
{
    bool shifted = false;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int32_t start = firstStartWithoutConflict(blocks[b], line);
        if (start != blocks[b].position) {
            blocks[b].position = start;
            repackFollowingBlocks(blocks, b);
            shifted = true;
        }
    }
    return shifted;
}

// Every move raises one block and leaves the blocks before it alone, so the
// starts only grow in clue order and settling ends.
void settleBlocks(Blocks blocks, Line line)
{
    bool moved = true;
    while (moved) {
        const bool covered = coverPass(blocks, line);
        const bool checked = checkPass(blocks, line);
        moved = covered || checked;
    }
}

// A block with cells past the line's end: the decided cells contradict the
// clues. A zero-length block may sit just past the end of a one-cell line.
bool blockLeftTheLine(Blocks blocks, int32_t length)
{
    return std::any_of(blocks.begin(), blocks.end(), [length](const BlockState &block) {
        return block.length > 0 && block.position + block.length > length;
    });
}

void packToTheLeft(Blocks blocks, int32_t length)
{
    zd::packBlockRanges(
        blocks.size(), length, [blocks](std::size_t k) { return blocks[k].length; },
        [blocks](std::size_t k) -> int32_t & { return blocks[k].earliestStart; },
        [blocks](std::size_t k) -> int32_t & { return blocks[k].latestStart; });
    for (BlockState &block : blocks)
        block.position = block.earliestStart;
}

// Whether the settled blocks form a placement that agrees with the line: in
// order, inside it, over no empty cell and leaving no filled cell uncovered.
// This is the usual case, and it spares the full check for a fitting placement.
bool blocksAgreeWithLine(Blocks blocks, Line line)
{
    const auto length = static_cast<int32_t>(line.size());
    int32_t next = 0; // first cell not yet checked
    for (const BlockState &block : blocks) {
        if (block.position < next || block.position + block.length > length)
            return false;
        for (int32_t c = next; c < block.position; ++c)
            if (line[c] == CellFilled)
                return false;
        for (int32_t c = block.position; c < block.position + block.length; ++c)
            if (line[c] == CellEmpty)
                return false;
        next = block.position + block.length;
        if (next < length && line[next] == CellFilled)
            return false;
    }
    for (int32_t c = next; c < length; ++c)
        if (line[c] == CellFilled)
            return false;
    return true;
}

// Marks cells [from, to) of the line; tells whether an unknown cell became
// decided and whether a decided cell was asked to change.
struct Marker
{
    std::span<int32_t> line;
    bool decidedNew = false;
    bool contradicted = false;

    void mark(int32_t from, int32_t to, int32_t state)
    {
        const auto length = static_cast<int32_t>(line.size());
        for (int32_t c = std::max(from, 0); c < std::min(to, length); ++c) {
            if (line[c] == CellUnknown)
                decidedNew = true;
            else if (line[c] != state)
                contradicted = true;
            line[c] = state;
        }
    }
};

// Fills the cells every block covers at both its lowest and its highest
// start, then empties the cells no block can reach.
Marker markDecidedCells(Blocks left, Blocks right, std::span<int32_t> line)
{
    const std::size_t n = left.size();
    const auto length = static_cast<int32_t>(line.size());
    auto lowest = [&](std::size_t i) {
        return left[i].position;
    };
    auto highest = [&](std::size_t i) {
        return length - left[i].length - right[n - 1 - i].position;
    };
    Marker marker { line };
    for (std::size_t i = 0; i < n; ++i) {
        const int32_t a = lowest(i), b = highest(i);
        marker.mark(std::max(a, b), std::min(a, b) + left[i].length, CellFilled);
    }
    marker.mark(0, std::min(lowest(0), highest(0)), CellEmpty);
    for (std::size_t i = 0; i + 1 < n; ++i)
        marker.mark(std::max(lowest(i), highest(i)) + left[i].length,
                    std::min(lowest(i + 1), highest(i + 1)), CellEmpty);
    marker.mark(std::max(lowest(n - 1), highest(n - 1)) + left[n - 1].length, length, CellEmpty);
    return marker;
}

} // namespace

uint8_t CMalovanaKrizovka::overlapLine(ClueList &clues, std::span<int32_t> line)
{
    const std::size_t n = clues.size();
    const auto length = static_cast<int32_t>(line.size());
    std::vector<BlockState> &left = scratch.blocks;
    std::vector<BlockState> &right = scratch.reversedBlocks;
    left.resize(n);
    right.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        left[i] = { clues[i].length, clues[i].position, clues[i].earliestStart,
                    clues[i].latestStart, clues[i].firstMatchStart };
        right[i] = {};
        right[i].length = clues[n - 1 - i].length;
    }
    packToTheLeft(right, length);
    std::vector<int32_t> &reversed = scratch.reversed;
    reversed.assign(line.rbegin(), line.rend());

    settleBlocks(left, line);
    settleBlocks(right, reversed);
    if (blockLeftTheLine(left, length) || blockLeftTheLine(right, length))
        return 0;
    for (std::size_t i = 0; i < n; ++i)
        clues[i].earliestStart = toClueField(left[i].position);

    const Marker marker = markDecidedCells(left, right, line);
    if (!marker.decidedNew || marker.contradicted)
        return 0;
    // The marks follow from the clues only if some placement fits the line.
    if (!blocksAgreeWithLine(left, line) && !placementFits(clues, line))
        return 0;
    return 1;
}
