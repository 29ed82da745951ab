// Pictures as plain memory: top-down rows of 4-byte pixels (blue, green,
// red, unused), and what the capture does with them without the system:
// tell two pictures apart and make the small copy the previews draw.
#pragma once

#include <cstddef>
#include <cstdint>

namespace capture {

struct PixelRows {
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
    const std::uint8_t* bgrx = nullptr;
};

// A 64-bit fingerprint of the size and the colours of every pixel (the
// unused byte is left out): equal pictures give equal fingerprints, and
// different ones almost never do.
std::uint64_t Fingerprint(const PixelRows& pixels);

// Scales the picture down to width x height (each at most the picture's
// own) by averaging the pixels each target pixel covers. `out` holds
// width * height 4-byte pixels, top-down.
void ScaleDown(const PixelRows& pixels, int width, int height, std::uint8_t* out);

} // namespace capture
