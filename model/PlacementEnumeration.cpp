// The exhaustive line method. Placements of the line's blocks are walked in
// odometer order (the last block moves fastest); those that agree with the
// decided cells are intersected, and every cell on which they all agree is
// decided. The walk is exponential in the worst case, so it avoids placements
// it can rule out: one that leaves a filled cell uncovered or puts a block on
// an empty cell is skipped, a block that can never start at its earliest or
// latest start has that start removed for the rest of the solve, blocks whose
// cells already vary freely in the intersection are moved past those cells,
// and the walk stops as soon as the intersection holds nothing beyond the
// cells already decided.

#include "CMalovanaKrizovka.h"
#include "LineSteps.h"

#include <algorithm>

namespace {

using Line = std::span<const int32_t>;
using Blocks = std::span<BlockState>;

// Fills `placement` with the blocks at their positions; tells whether it
// agrees with every decided cell of the line.
bool buildPlacement(Blocks blocks, std::span<int32_t> placement, Line line)
{
    const auto length = static_cast<int32_t>(placement.size());
    std::fill(placement.begin(), placement.end(), CellEmpty);
    for (const BlockState &block : blocks)
        for (int32_t c = std::max(block.position, 0);
             c < std::min(block.position + block.length, length); ++c)
            placement[c] = CellFilled;
    for (int32_t c = 0; c < length; ++c)
        if (line[c] != CellUnknown && line[c] != placement[c])
            return false;
    return true;
}

// Keeps in the intersection only the cells the placement shares with it;
// returns the sum of the intersection.
int32_t intersect(std::span<int32_t> intersection, Line placement)
{
    int32_t sum = 0;
    for (std::size_t c = 0; c < intersection.size(); ++c) {
        if (placement[c] == intersection[c])
            sum += intersection[c];
        else
            intersection[c] = CellUnknown;
    }
    return sum;
}

// At the first agreeing placement that adds information: records its starts
// and fills every block that cannot move in both the line and the
// intersection. Returns whether a start was recorded.
bool fixBlocksThatCannotMove(Blocks blocks, std::span<int32_t> line,
                             std::span<int32_t> intersection)
{
    const auto length = static_cast<int32_t>(line.size());
    bool lowered = false;
    for (BlockState &block : blocks) {
        if (block.firstMatchStart > block.position) {
            block.firstMatchStart = block.position;
            lowered = true;
        }
        const int32_t t = std::max(block.earliestStart, block.firstMatchStart);
        if (t != block.latestStart)
            continue;
        for (int32_t c = std::max(t, 0); c < std::min(t + block.length, length); ++c) {
            line[c] = CellFilled;
            intersection[c] = CellFilled;
        }
    }
    return lowered;
}

// The block that must cover filled cell `e`, when none does: the highest one
// that ends before it. -1 when every block starts after it, -2 when covered.
int32_t blockToPullOver(Blocks blocks, int32_t e)
{
    int32_t endsBefore = -1;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const BlockState &block = blocks[i];
        if (block.position <= e && e <= block.position + block.length - 1)
            return -2;
        if (block.position + block.length - 1 < e)
            endsBefore = static_cast<int32_t>(i);
    }
    return endsBefore;
}

// The highest block whose settled zone (from its earliest start up to the
// next block's) still holds a cell the intersection decides beyond the line;
// -1 when there is none.
int32_t lastBlockWithOpenZone(Blocks blocks, Line intersection, Line line)
{
    const auto n = static_cast<int32_t>(blocks.size());
    const auto length = static_cast<int32_t>(line.size());
    for (int32_t j = n - 1; j >= 0; --j) {
        const int32_t zoneEnd = j == n - 1 ? length : blocks[j + 1].earliestStart;
        for (int32_t c = std::max(blocks[j].earliestStart, 0); c < std::min(zoneEnd, length); ++c)
            if (intersection[c] != line[c])
                return j;
    }
    return -1;
}

void loadBlocks(const ClueList &clues, std::vector<BlockState> &blocks)
{
    blocks.resize(clues.size());
    for (std::size_t i = 0; i < clues.size(); ++i)
        blocks[i] = { clues[i].length, clues[i].position, clues[i].earliestStart,
                      clues[i].latestStart, clues[i].firstMatchStart };
}

void storeBlocks(Blocks blocks, ClueList &clues)
{
    for (std::size_t i = 0; i < clues.size(); ++i) {
        clues[i].position = toClueField(blocks[i].position);
        clues[i].earliestStart = toClueField(blocks[i].earliestStart);
        clues[i].latestStart = toClueField(blocks[i].latestStart);
        clues[i].firstMatchStart = toClueField(blocks[i].firstMatchStart);
    }
}

// What the walk has learnt so far.
struct Walk
{
    bool first = true; // no placement has agreed yet
    bool keepGoing = true; // the intersection still adds to the decided cells
    bool fixedDone = false; // the fixed-block step has recorded its starts
    int32_t count = 0; // sum of the intersection after the last agreeing placement

    // Folds an agreeing placement into the intersection.
    void takeAgreeing(Blocks blocks, Line placement, std::span<int32_t> line,
                      std::span<int32_t> intersection, int32_t beforeSum)
    {
        if (first) {
            std::copy(placement.begin(), placement.end(), intersection.begin());
            first = false;
            for (BlockState &block : blocks)
                block.earliestStart = block.position;
        }
        count = intersect(intersection, placement);
        if (count == beforeSum)
            keepGoing = false;
        else if (!fixedDone)
            fixedDone = fixBlocksThatCannotMove(blocks, line, intersection);
    }
};

} // namespace

uint8_t CMalovanaKrizovka::enumeratePlacements(ClueList &clues, std::span<int32_t> line,
                                               int32_t beforeSum, int32_t *steps,
                                               bool &writeIntersection)
{
    writeIntersection = false;
    // When no placement fits the decided cells the walk would have to try
    // every candidate to find that out, which takes exponential time on a long
    // line. A contradicted line decides nothing: it reports no change, so that
    // an exhaustive sweep goes on to lines that can still be improved, and
    // nothing is written.
    if (beforeSum != 0 && !placementFits(clues, line)) {
        countStep(steps);
        return 0;
    }
    loadBlocks(clues, scratch.blocks);
    std::span<BlockState> blocks(scratch.blocks);
    scratch.placement.resize(line.size());
    scratch.intersection.resize(line.size());
    std::span<int32_t> placement(scratch.placement);
    std::span<int32_t> intersection(scratch.intersection);

    // On a line decided at entry only the placement that matches it agrees.
    // Once it is found, the search for a further placement (exponential here,
    // as none exists) can only lower latest starts, which later walks of a
    // decided line never consult; it is skipped.
    const bool decidedAtEntry = std::find(line.begin(), line.end(), CellUnknown) == line.end();
    Walk walk;
    for (;;) {
        countStep(steps);
        if (buildPlacement(blocks, placement, line)) {
            resumeFromBlock = 0;
            justMatched = 1;
            walk.takeAgreeing(blocks, placement, line, intersection, beforeSum);
        }
        if (!walk.keepGoing && decidedAtEntry)
            break;
        const Line agreed = walk.first ? Line() : Line(intersection);
        if (!nextPlacement(blocks, agreed, line) || !walk.keepGoing)
            break;
    }
    writeIntersection = walk.keepGoing && !walk.first;
    if (walk.keepGoing && walk.fixedDone)
        for (BlockState &block : blocks)
            block.earliestStart = block.firstMatchStart;
    storeBlocks(blocks, clues);
    return walk.count != beforeSum ? 1 : 0;
}

uint8_t CMalovanaKrizovka::nextPlacement(std::span<BlockState> blocks,
                                         std::span<const int32_t> intersection,
                                         std::span<const int32_t> line)
{
    int32_t s = static_cast<int32_t>(blocks.size()) - 1;
    // Blocks right of s only vary over cells where the intersection already
    // equals the decided cells; their variations are skipped.
    if (resumeFromBlock == 0 && !intersection.empty()) {
        const int32_t open = lastBlockWithOpenZone(blocks, intersection, line);
        if (open >= 0) {
            s = open;
            resumeFromBlock = 1;
        }
    }
    if (advanceFrom(s, blocks, intersection, line) < 0)
        return 0;
    if (!coverFilledRuns(blocks, intersection, line))
        return 0;
    return clearBlockConflicts(blocks, intersection, line) ? 1 : 0;
}

// Every run of filled cells must end under a block: a block that ends before
// an uncovered run is advanced, and the check starts again. False when no
// placement is left or when the runs cannot all be covered.
bool CMalovanaKrizovka::coverFilledRuns(std::span<BlockState> blocks,
                                        std::span<const int32_t> intersection,
                                        std::span<const int32_t> line)
{
    const auto length = static_cast<int32_t>(line.size());
    bool hopeless = false;
    for (int32_t c = 0; c < length; ++c) {
        if (line[c] != CellFilled || (c + 1 < length && line[c + 1] == CellFilled))
            continue;
        const int32_t b = blockToPullOver(blocks, c);
        if (b == -1) {
            hopeless = true;
        } else if (b >= 0) {
            if (advanceFrom(b, blocks, intersection, line) < 0)
                return false;
            hopeless = false;
            c = -1;
        }
    }
    return !hopeless;
}

// No block may touch a filled cell or cover an empty one. A block that
// conflicts at its earliest start loses that start; one that conflicts at its
// latest start loses that one; otherwise the placement moves on. After a move
// the check starts again from the first block that moved: the blocks before
// it are where they were and were already found clear.
bool CMalovanaKrizovka::clearBlockConflicts(std::span<BlockState> blocks,
                                            std::span<const int32_t> intersection,
                                            std::span<const int32_t> line)
{
    const auto n = static_cast<int32_t>(blocks.size());
    for (int32_t b = 0; b < n; ++b) {
        BlockState &block = blocks[b];
        if (!blockConflictsAt(block, block.position, line))
            continue;
        if (block.position == block.earliestStart && block.position < block.latestStart) {
            ++block.earliestStart;
            ++block.position;
            repackFollowingBlocks(blocks, static_cast<std::size_t>(b));
            for (int32_t i = b + 1; i < n; ++i)
                blocks[i].earliestStart = std::max(blocks[i].earliestStart, blocks[i].position);
            --b;
            continue;
        }
        if (block.position == block.latestStart && block.latestStart > 0)
            --block.latestStart;
        const int32_t moved = advanceFrom(b, blocks, intersection, line);
        if (moved < 0)
            return false;
        b = moved - 1;
    }
    return true;
}

int32_t CMalovanaKrizovka::advanceFrom(int32_t k, std::span<BlockState> blocks,
                                       std::span<const int32_t> intersection,
                                       std::span<const int32_t> line)
{
    for (; k >= 0; --k) {
        BlockState &block = blocks[k];
        if (block.position < block.latestStart) {
            ++block.position;
            if (!intersection.empty())
                jumpOverSettledCells(k, blocks, intersection, line);
            repackFollowingBlocks(blocks, static_cast<std::size_t>(k));
            return k;
        }
    }
    return -1;
}

// After block k moved to p: finds the stretch from p on that the intersection
// has already settled (right after an agreeing placement: cells where it
// equals the line, over at most k changes of value; otherwise: cells it has
// given up on) and, when the stretch is longer than the block, moves the block
// towards its end, keeping one cell clear of the next block. The block may
// pass its latest start; it then counts as unable to move.
void CMalovanaKrizovka::jumpOverSettledCells(int32_t k, std::span<BlockState> blocks,
                                             std::span<const int32_t> intersection,
                                             std::span<const int32_t> line)
{
    const auto length = static_cast<int32_t>(line.size());
    BlockState &block = blocks[k];
    const int32_t p = block.position;
    int32_t l = p;
    if (justMatched == 1) {
        if (p > 0) {
            int32_t changes = 0;
            int32_t previous = CellUnknown;
            while (l < length && intersection[l - 1] == line[l - 1] && changes < k) {
                if (intersection[l] != previous)
                    ++changes;
                previous = intersection[l];
                ++l;
            }
            justMatched = 0;
        }
    } else if (p > 0) {
        while (l < length && intersection[l - 1] == CellUnknown)
            ++l;
    }
    if (l - p <= block.length)
        return;
    const int32_t bound
        = k == static_cast<int32_t>(blocks.size()) - 1 ? length + 1 : blocks[k + 1].position;
    for (int32_t e = p + block.length; e < l && e < bound - 1; ++e)
        ++block.position;
}
