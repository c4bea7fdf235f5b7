#include "SettledEnds.h"

#include "LineBits.h"

namespace zd {

namespace {

// Walks decided cells from `start` in direction `step` (+1 or -1) while they
// are decided and not past `stop`, counting the closed blocks against the
// clue read in the same direction. `settled` becomes the first cell (in walk
// order) after the last empty cell that closed a block or gap; a run that
// reaches `stop` at the line's end counts as closed. False on a mismatch.
bool walkSettled(const int *clues, int clueStep, int clueCount, const uint64_t *filled,
                 const uint64_t *empty, int start, int stop, int step, bool stopIsLineEnd,
                 int &settled, int &blocks)
{
    settled = start;
    blocks = 0;
    int run = 0;
    int cell = start;
    for (; cell != stop; cell += step) {
        if (LineBits::test(filled, cell)) {
            ++run;
            continue;
        }
        if (!LineBits::test(empty, cell))
            return true; // the first undecided cell ends the settled part
        if (run > 0) {
            if (blocks == clueCount || clues[clueStep * blocks] != run)
                return false;
            ++blocks;
            run = 0;
        }
        settled = cell + step;
    }
    if (stopIsLineEnd) { // every cell decided
        if (run > 0) {
            if (blocks == clueCount || clues[clueStep * blocks] != run)
                return false;
            ++blocks;
        }
        settled = stop;
        return blocks == clueCount;
    }
    return true;
}

} // namespace

bool findOpenPart(const int *clues, int clueCount, const uint64_t *filled, const uint64_t *empty,
                  int length, OpenPart &part)
{
    int from = 0;
    int leading = 0;
    if (!walkSettled(clues, 1, clueCount, filled, empty, 0, length, 1, true, from, leading))
        return false;
    part = { from, length, leading, clueCount };
    if (from == length)
        return true; // fully decided and matching
    int to = length;
    int trailing = 0;
    if (!walkSettled(clues + clueCount - 1, -1, clueCount - leading, filled, empty, length - 1,
                     from - 1, -1, false, to, trailing))
        return false;
    part.to = to + 1;
    part.lastBlock = clueCount - trailing;
    return true;
}

} // namespace zd
