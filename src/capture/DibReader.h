// Reading device-independent bitmaps (the clipboard's CF_DIB and CF_DIBV5)
// that any program may have put there: every size, count and offset of the
// header is checked against the data before a pixel is read, and the
// picture comes out as top-down rows of 4-byte pixels (blue, green, red,
// unused).
#pragma once

#include <cstddef>
#include <cstdint>

namespace capture {

// Why a DIB is refused.
enum class DibProblem {
    None,
    BadHeader,     // header size, planes or dimensions make no sense
    Unsupported,   // a compression or bit depth the reader does not take
    TooLarge,      // more pixels than a picture in memory may hold
    PixelsMissing, // the header claims more colours or pixels than the data holds
};

// The largest picture taken into memory, in pixels (1 GiB of 4-byte pixels
// would not fit a 32-bit bitmap's size fields).
inline constexpr std::int64_t kMaxDibPixels = (std::int64_t{1} << 31) / 4 - 1;

struct DibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t masks[4] = {}; // red, green, blue, alpha; for 16 and 32 bits
    std::size_t colourTable = 0; // offset of the colour table
    std::size_t colourCount = 0; // entries of the colour table used for 1, 4 and 8 bits
    std::size_t bits = 0;        // offset of the first stored row
    std::size_t stride = 0;      // bytes per stored row
    bool alpha = false;          // 32-bit pixels whose alpha mask is set (version 4 and 5 headers)
};

// Checks a packed DIB (header, masks, colours, rows) of `size` bytes.
DibProblem ReadDibLayout(const std::uint8_t* dib, std::size_t size, DibLayout& layout);

// Writes the pixels of a checked DIB as top-down 4-byte rows (width * 4
// bytes each) into `out`: blue, green, red, and the fourth byte as stored
// (alpha, where the DIB has an alpha mask).
void ConvertDibRows(const std::uint8_t* dib, const DibLayout& layout, std::uint8_t* out);

// The same, settled: the pixels as top-down 4-byte rows (width * 4
// bytes each) in `out`. A meaningful alpha channel (some pixel neither
// opaque nor all of them transparent) is composed over white, as the picture
// looks on a white page; otherwise alpha is ignored.
void ConvertDibPixels(const std::uint8_t* dib, const DibLayout& layout, std::uint8_t* out);

// True when a checked DIB's alpha channel means something (by the rule
// ConvertDibPixels composes with), told without converting a pixel.
bool DibAlphaMatters(const std::uint8_t* dib, const DibLayout& layout);

} // namespace capture
