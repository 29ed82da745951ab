#include "capture/PixelRows.h"

#include <algorithm>
#include <vector>

namespace capture {

std::uint64_t Fingerprint(const PixelRows& pixels) {
    // FNV-1a over the size, then over the colours four bytes at a time.
    constexpr std::uint64_t kPrime = 0x100000001B3ull;
    std::uint64_t hash = 0xCBF29CE484222325ull;
    auto mix = [&hash](std::uint64_t value) { hash = (hash ^ value) * kPrime; };
    mix(static_cast<std::uint64_t>(pixels.width));
    mix(static_cast<std::uint64_t>(pixels.height));
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* row = pixels.bgrx + y * pixels.stride;
        for (int x = 0; x < pixels.width; ++x, row += 4)
            mix(std::uint64_t{row[0]} | std::uint64_t{row[1]} << 8 | std::uint64_t{row[2]} << 16);
    }
    return hash;
}

void ScaleDown(const PixelRows& pixels, int width, int height, std::uint8_t* out) {
    if (width <= 0 || height <= 0 || pixels.width <= 0 || pixels.height <= 0) return;
    // Column x of the target covers source columns firstColumn[x] .. firstColumn[x + 1] - 1.
    std::vector<int> firstColumn(static_cast<std::size_t>(width) + 1);
    for (int x = 0; x <= width; ++x)
        firstColumn[static_cast<std::size_t>(x)] =
            static_cast<int>(static_cast<std::int64_t>(x) * pixels.width / width);
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        const int top = static_cast<int>(static_cast<std::int64_t>(y) * pixels.height / height);
        const int bottom = static_cast<int>(static_cast<std::int64_t>(y + 1) * pixels.height / height);
        std::fill(sums.begin(), sums.end(), 0u);
        for (int sourceY = top; sourceY < bottom; ++sourceY) {
            const std::uint8_t* row = pixels.bgrx + sourceY * pixels.stride;
            for (int x = 0; x < width; ++x) {
                std::uint64_t* sum = &sums[static_cast<std::size_t>(x) * 3];
                for (int sourceX = firstColumn[x]; sourceX < firstColumn[x + 1]; ++sourceX) {
                    const std::uint8_t* pixel = row + sourceX * 4;
                    sum[0] += pixel[0];
                    sum[1] += pixel[1];
                    sum[2] += pixel[2];
                }
            }
        }
        std::uint8_t* target = out + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
        for (int x = 0; x < width; ++x, target += 4) {
            const std::uint64_t area = static_cast<std::uint64_t>(firstColumn[x + 1] - firstColumn[x]) *
                                       static_cast<std::uint64_t>(bottom - top);
            const std::uint64_t* sum = &sums[static_cast<std::size_t>(x) * 3];
            for (int c = 0; c < 3; ++c)
                target[c] = static_cast<std::uint8_t>(area ? (sum[c] + area / 2) / area : 0);
            target[3] = 0;
        }
    }
}

} // namespace capture
