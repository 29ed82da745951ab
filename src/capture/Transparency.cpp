#include "capture/Transparency.h"

#include <algorithm>

namespace capture {
namespace {

// Premultiplied pixels never hold a colour brighter than their alpha.
bool LooksPremultiplied(const std::uint8_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = pixels + i * 4;
        if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3]) return false;
    }
    return true;
}

void ComposeOverWhite(std::uint8_t* pixels, std::size_t count, bool premultiplied) {
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* p = pixels + i * 4;
        const unsigned alpha = p[3], clear = 255 - alpha;
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>(premultiplied ? std::min(255u, p[c] + clear)
                                                           : (p[c] * alpha + 255 * clear + 127) / 255);
        p[3] = 0;
    }
}

std::vector<std::uint8_t> StraightCopy(const std::uint8_t* pixels, std::size_t count, bool premultiplied) {
    std::vector<std::uint8_t> copy(pixels, pixels + count * 4);
    if (!premultiplied) return copy;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* p = copy.data() + i * 4;
        if (p[3] == 0) continue;
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>(std::min(255u, (p[c] * 255u + p[3] / 2) / p[3]));
    }
    return copy;
}

// One pass in the usual case of alpha that means nothing. Alpha means
// something exactly when one value lies between 0 and 255 or two differ;
// so until a pixel differs from the first one, they all hold the first's.
// Composes only where it means something, after `keep` took its copy.
void Settle(std::uint8_t* pixels, std::size_t count, AlphaColours colours, std::vector<std::uint8_t>* keep) {
    if (count == 0) return;
    const std::uint8_t first = pixels[3];
    std::size_t same = 0;
    if (first == 0 || first == 255)
        for (; same < count && pixels[same * 4 + 3] == first; ++same) pixels[same * 4 + 3] = 0;
    if (same == count) return;
    for (std::size_t i = 0; i < same; ++i) pixels[i * 4 + 3] = first;
    const bool premultiplied = colours == AlphaColours::MaybeScaled && LooksPremultiplied(pixels, count);
    if (keep) *keep = StraightCopy(pixels, count, premultiplied);
    ComposeOverWhite(pixels, count, premultiplied);
}

} // namespace

bool AlphaMatters(const std::uint8_t* pixels, std::size_t count) {
    bool anyVisible = false, anyNotOpaque = false;
    for (std::size_t i = 0; i < count && !(anyVisible && anyNotOpaque); ++i) {
        const std::uint8_t alpha = pixels[i * 4 + 3];
        anyVisible |= alpha != 0;
        anyNotOpaque |= alpha != 255;
    }
    return anyVisible && anyNotOpaque;
}

void SettleAlpha(std::uint8_t* pixels, std::size_t count, AlphaColours colours) {
    Settle(pixels, count, colours, nullptr);
}

std::vector<std::uint8_t> SettleAlphaKeepingCopy(std::uint8_t* pixels, std::size_t count,
                                                 AlphaColours colours) {
    std::vector<std::uint8_t> copy;
    Settle(pixels, count, colours, &copy);
    return copy;
}

} // namespace capture
