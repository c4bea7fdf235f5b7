#include "ColourLine.h"

#include <algorithm>

namespace zd {

ColourLine::ColourLine(const ColourLineClues &lineClues)
    : clues(lineClues)
{
    // State numbers: gap 0, block 0's cells, gap 1, block 1's cells, ...
    std::vector<int> gapOf(clues.size() + 1);
    firstCellOf.assign(clues.size(), 0);
    int state = 0;
    for (size_t j = 0; j <= clues.size(); ++j) {
        gapOf[j] = state++;
        if (j < clues.size()) {
            firstCellOf[j] = state;
            state += clues[j].length;
        }
    }
    const size_t count = static_cast<size_t>(state);
    colourOfState.assign(count, 0);
    gapNextBlockState.assign(count, -1);
    followState.assign(count, -1);
    endGapState.assign(count, -1);
    endNextState.assign(count, -1);
    for (size_t j = 0; j < clues.size(); ++j) {
        gapNextBlockState[gapOf[j]] = firstCellOf[j];
        const int last = firstCellOf[j] + clues[j].length - 1;
        for (int s = firstCellOf[j]; s <= last; ++s) {
            colourOfState[s] = clues[j].colour;
            followState[s] = s < last ? s + 1 : -1;
        }
        endGapState[last] = gapOf[j + 1];
        if (j + 1 < clues.size() && clues[j + 1].colour != clues[j].colour)
            endNextState[last] = firstCellOf[j + 1];
    }
    finalGap = gapOf[clues.size()];
    finalBlockEnd = clues.empty() ? -1 : finalGap - 1;
    moves.reserve(count);
    for (size_t q = 0; q < count; ++q)
        moves.push_back(computeMoves(static_cast<int>(q)));
}

int ColourLine::next(int state, int colour) const
{
    const Moves &out = movesOf(state);
    for (int k = 0; k < out.count; ++k)
        if (out.colour[k] == colour)
            return out.target[k];
    return -1;
}

bool ColourLine::accepts(int state) const
{
    return state == finalGap || state == finalBlockEnd;
}

namespace {

// Calls visit(colour, target) for every move out of `state` that a cell of
// `mask` allows; a state has at most two (the background and one colour).
template<class Visit>
void forEachMove(const ColourLine &line, int state, ColourMask mask, Visit visit)
{
    const ColourLine::Moves &moves = line.movesOf(state);
    for (int k = 0; k < moves.count; ++k)
        if (mask & (ColourMask(1) << moves.colour[k]))
            visit(moves.colour[k], moves.target[k]);
}

} // namespace

ColourLine::Moves ColourLine::computeMoves(int state) const
{
    Moves out;
    const auto add = [&out](int colour, int target) {
        if (target < 0)
            return;
        out.colour[out.count] = colour;
        out.target[out.count] = target;
        ++out.count;
    };
    if (colourOfState[state] == 0) {
        add(0, state);
        if (gapNextBlockState[state] >= 0)
            add(colourOfState[gapNextBlockState[state]], gapNextBlockState[state]);
    } else if (followState[state] >= 0) {
        add(colourOfState[state], followState[state]);
    } else {
        add(0, endGapState[state]);
        if (endNextState[state] >= 0)
            add(colourOfState[endNextState[state]], endNextState[state]);
    }
    return out;
}

std::vector<uint8_t> ColourLine::liveStates(const ColourMask *masks, int length, int stride) const
{
    std::vector<uint8_t> live;
    std::vector<int> band;
    if (!findLiveStates(masks, length, stride, live, band))
        live.clear();
    return live;
}

// Moves only go to the same or a later state, so the states live after i
// cells form a band [band[2i], band[2i+1]] that the passes keep to.
bool ColourLine::findLiveStates(const ColourMask *masks, int length, int stride,
                                std::vector<uint8_t> &live, std::vector<int> &band) const
{
    const size_t states = colourOfState.size();
    live.assign((static_cast<size_t>(length) + 1) * states, 0);
    band.assign(2 * (static_cast<size_t>(length) + 1), 0);
    live[initialState] = 1;
    for (int i = 0; i < length; ++i) {
        const ColourMask mask = masks[static_cast<ptrdiff_t>(i) * stride];
        const uint8_t *here = &live[static_cast<size_t>(i) * states];
        uint8_t *after = &live[(static_cast<size_t>(i) + 1) * states];
        int low = stateCount();
        int high = -1;
        for (int q = band[2 * i]; q <= band[2 * i + 1]; ++q)
            if (here[q])
                forEachMove(*this, q, mask, [&](int, int target) {
                    after[target] = 1;
                    low = std::min(low, target);
                    high = std::max(high, target);
                });
        if (high < 0)
            return false;
        band[2 * i + 2] = low;
        band[2 * i + 3] = high;
    }
    // Backward: keep the states from which an accepting end is reachable.
    uint8_t *last = &live[static_cast<size_t>(length) * states];
    bool accepted = false;
    for (int q = band[2 * length]; q <= band[2 * length + 1]; ++q) {
        last[q] = last[q] && accepts(q) ? 1 : 0;
        accepted = accepted || last[q];
    }
    if (!accepted)
        return false;
    for (int i = length - 1; i >= 0; --i) {
        const ColourMask mask = masks[static_cast<ptrdiff_t>(i) * stride];
        uint8_t *here = &live[static_cast<size_t>(i) * states];
        const uint8_t *after = &live[(static_cast<size_t>(i) + 1) * states];
        for (int q = band[2 * i]; q <= band[2 * i + 1]; ++q) {
            if (!here[q])
                continue;
            bool leadsOn = false;
            forEachMove(*this, q, mask,
                        [&](int, int target) { leadsOn = leadsOn || after[target]; });
            here[q] = leadsOn ? 1 : 0;
        }
    }
    return true;
}

bool ColourLine::solve(ColourMask *masks, int length, int stride) const
{
    // Scratch kept per thread: a line solve allocates nothing once warm.
    thread_local std::vector<uint8_t> live;
    thread_local std::vector<int> band;
    if (!findLiveStates(masks, length, stride, live, band))
        return false;
    const size_t states = colourOfState.size();
    for (int i = 0; i < length; ++i) {
        ColourMask &mask = masks[static_cast<ptrdiff_t>(i) * stride];
        const uint8_t *here = &live[static_cast<size_t>(i) * states];
        const uint8_t *after = &live[(static_cast<size_t>(i) + 1) * states];
        ColourMask possible = 0;
        for (int q = band[2 * i]; q <= band[2 * i + 1] && possible != mask; ++q)
            if (here[q])
                forEachMove(*this, q, mask, [&](int colour, int target) {
                    if (after[target])
                        possible |= ColourMask(1) << colour;
                });
        if (possible == 0)
            return false;
        mask = possible;
    }
    return true;
}

} // namespace zd
