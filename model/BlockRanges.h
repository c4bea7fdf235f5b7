#pragma once

#include <cstddef>
#include <type_traits>

namespace zd {

// The leftmost and the rightmost packing of a line's blocks, one empty cell
// between neighbours: block k's earliest start has every block before it
// packed to the left, its latest start every block after it packed to the
// right of a line of `lineLength` cells. `lengthOf(k)` is block k's length;
// `earliest(k)` and `latest(k)` are the places (references) its two starts
// go to, each stored in their own type before the next block reads it. The
// one packing the model's line methods, the SAT encoding and the linear
// program share.
template<typename LengthOf, typename Earliest, typename Latest>
void packBlockRanges(std::size_t blockCount, int lineLength, LengthOf lengthOf, Earliest earliest,
                     Latest latest)
{
    if (blockCount == 0)
        return;
    using EarliestType = std::remove_reference_t<decltype(earliest(0))>;
    using LatestType = std::remove_reference_t<decltype(latest(0))>;
    earliest(0) = 0;
    for (std::size_t k = 1; k < blockCount; ++k)
        earliest(k) = static_cast<EarliestType>(earliest(k - 1) + lengthOf(k - 1) + 1);
    latest(blockCount - 1) = static_cast<LatestType>(lineLength - lengthOf(blockCount - 1));
    for (std::size_t k = blockCount - 1; k-- > 0;)
        latest(k) = static_cast<LatestType>(latest(k + 1) - lengthOf(k) - 1);
}

} // namespace zd
