#include "capture/Likeness.h"

#include <array>
#include <bit>

namespace capture {

std::optional<std::uint64_t> LikenessOf(const PixelRows& pixels) {
    constexpr int kWidth = 9, kHeight = 8;
    if (pixels.width < kWidth || pixels.height < kHeight || !pixels.bgrx) return std::nullopt;
    std::array<std::uint8_t, kWidth * kHeight * 4> small{};
    ScaleDown(pixels, kWidth, kHeight, small.data());
    const auto grey = [&](int x, int y) {
        const std::uint8_t* bgrx = &small[static_cast<size_t>((y * kWidth + x) * 4)];
        return 114 * bgrx[0] + 587 * bgrx[1] + 299 * bgrx[2]; // luma, in thousandths
    };
    std::uint64_t hash = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x + 1 < kWidth; ++x) hash = (hash << 1) | (grey(x, y) > grey(x + 1, y) ? 1u : 0u);
    return hash;
}

int LikenessDistance(std::uint64_t a, std::uint64_t b) {
    return std::popcount(a ^ b);
}

} // namespace capture
