// WebP files from pictures, through libwebp: lossy at a quality of the
// user's, or lossless with every pixel kept as it is (the colours under a
// transparent pixel too). The file's bytes go to a sink in pieces.
#pragma once

#include "capture/ByteSink.h"
#include "capture/PixelRows.h"

#include <string>

namespace capture {

// The largest width or height a WebP file holds (libwebp's WEBP_MAX_DIMENSION).
inline constexpr int kMaxWebpSide = 16383;

inline constexpr int kDefaultWebpQuality = 90;

struct WebpSettings {
    bool lossless = false;
    int quality = kDefaultWebpQuality; // 0..100, for lossy files
};

// Encodes RGB, or RGBA when `alpha` (the fourth byte of each pixel, not
// multiplied into the colours). Throws std::runtime_error for an empty
// picture, a side over kMaxWebpSide, rows shorter than the width, a quality
// out of range or a failed encoding; an exception thrown by the sink ends
// the encoding and reaches the caller.
void EncodeWebp(const PixelRows& pixels, bool alpha, const WebpSettings& settings, const ByteSink& sink);
// The whole file in memory.
std::string EncodeWebp(const PixelRows& pixels, bool alpha, const WebpSettings& settings);

} // namespace capture
