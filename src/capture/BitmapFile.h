// The Windows bitmap file format (BMP), as the wallpaper is written: 24 bits
// per pixel, rows bottom to top, each padded to four bytes.
#pragma once

#include <cstdint>
#include <string>

namespace capture {

// The whole file for a picture given as top-down rows of 4-byte pixels
// (blue, green, red, unused). Throws std::length_error when the file would
// not fit the format's 32-bit sizes.
std::string EncodeBitmapFile(int width, int height, const std::uint8_t* bgrxRows);

} // namespace capture
