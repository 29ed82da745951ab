// The one rule for pictures with an alpha channel: alpha that means
// something (some pixel neither opaque nor every one transparent) is composed
// over white, as the picture looks on a white page; otherwise it is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace capture {

// How the colours of a picture with alpha are stored.
enum class AlphaColours {
    Straight,    // colours as they are, alpha beside them (PNG)
    MaybeScaled, // possibly premultiplied by alpha: told apart by the pixels (bitmaps)
};

// True when the alpha bytes (every 4th, from byte 3) of `count` pixels mean something.
bool AlphaMatters(const std::uint8_t* pixels, std::size_t count);

// Composes `count` blue, green, red, alpha pixels over white when their alpha
// matters; afterwards every alpha byte is 0 (the pixels are plain colours).
void SettleAlpha(std::uint8_t* pixels, std::size_t count, AlphaColours colours);

// SettleAlpha, handing back first, when the alpha matters, a copy of the
// pixels with straight colours (premultiplied ones divided by alpha) for a
// save that keeps alpha; empty when it does not.
std::vector<std::uint8_t> SettleAlphaKeepingCopy(std::uint8_t* pixels, std::size_t count,
                                                 AlphaColours colours);

} // namespace capture
