// How alike two pictures look, whatever their bytes: a 64-bit difference
// hash of the picture reduced to 9 x 8 grey pixels, each bit telling
// whether a pixel is brighter than its right neighbour. A picture saved
// again as a JPEG, with a few pixels changed, or at another size gives a
// hash a few bits away; another picture one about half its bits away.
#pragma once

#include "capture/PixelRows.h"

#include <cstdint>
#include <optional>

namespace capture {

// Nothing for a picture smaller than 9 x 8 pixels, which has no such reduction.
std::optional<std::uint64_t> LikenessOf(const PixelRows& pixels);

// The number of bits two likenesses differ in (0..64).
int LikenessDistance(std::uint64_t a, std::uint64_t b);

// Up to this distance two pictures count as nearly the same.
inline constexpr int kNearlySameDistance = 6;
inline bool NearlySame(std::uint64_t a, std::uint64_t b) {
    return LikenessDistance(a, b) <= kNearlySameDistance;
}

} // namespace capture
