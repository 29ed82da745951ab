// JPEG files from pictures, through libjpeg-turbo (its SIMD code): baseline
// JPEG, colour at full resolution (4:4:4), read straight from the picture's
// rows of blue, green, red, unused bytes.
#pragma once

#include "capture/ByteSink.h"
#include "capture/PixelRows.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace capture {

// The largest width or height libjpeg writes (its JPEG_MAX_DIMENSION).
inline constexpr int kMaxJpegSide = 65500;

// Encodes at quality 1..100 (100: every quantisation step 1). Throws
// std::runtime_error for an empty picture, a side over kMaxJpegSide, rows
// shorter than the width, a quality out of range or a failed encoding. An
// exception thrown by the sink ends the encoding and reaches the caller.
void EncodeJpeg(const PixelRows& pixels, int quality, const ByteSink& sink);
// The whole file in memory.
std::string EncodeJpeg(const PixelRows& pixels, int quality);

} // namespace capture
