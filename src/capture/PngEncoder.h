// PNG files from pictures, through libpng: the picture's rows of blue,
// green, red, unused (or alpha) bytes are handed to libpng one by one and
// the file's bytes to a sink in pieces, so no second copy of the picture is
// made. The compression is chosen by the picture: screenshots and drawings
// (many equal neighbours) are packed hard, photos quickly.
#pragma once

#include "capture/ByteSink.h"
#include "capture/PixelRows.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace capture {

// How hard zlib packs; the filter is "sub" for both.
enum class PngPacking { Quick, Hard };

// From a sample of the rows: Hard when most pixels equal their left neighbour.
PngPacking ChoosePngPacking(const PixelRows& pixels);

// Encodes RGB, or RGBA when `alpha` (the fourth byte of each pixel, not
// multiplied into the colours). Throws std::runtime_error for an empty
// picture or a failed encoding; an exception thrown by the sink ends the
// encoding and reaches the caller.
void EncodePng(const PixelRows& pixels, bool alpha, const ByteSink& sink);
// The whole file in memory.
std::string EncodePng(const PixelRows& pixels, bool alpha);

} // namespace capture
