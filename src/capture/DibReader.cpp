#include "capture/DibReader.h"

#include "capture/Transparency.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace capture {
namespace {

// Header sizes: BITMAPINFOHEADER, its versions 2 and 3, BITMAPV4HEADER, BITMAPV5HEADER.
constexpr std::uint32_t kInfoHeader = 40, kV2Header = 52, kV3Header = 56, kV4Header = 108, kV5Header = 124;
constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::size_t kMaxColourTable = 1 << 16;

std::uint32_t U32(const std::uint8_t* at) {
    return std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]} << 16 |
           std::uint32_t{at[3]} << 24;
}
std::uint16_t U16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}
std::int32_t I32(const std::uint8_t* at) {
    const std::uint32_t value = U32(at);
    std::int32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

bool KnownHeaderSize(std::uint32_t size) {
    return size == kInfoHeader || size == kV2Header || size == kV3Header || size == kV4Header ||
           size == kV5Header;
}

bool KnownDepth(int bits, std::uint32_t compression) {
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24: return compression == kRgb;
    case 16:
    case 32: return compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
    default: return false;
    }
}

// A mask is one run of set bits (or none).
bool ContiguousMask(std::uint32_t mask) {
    if (mask == 0) return true;
    while (!(mask & 1)) mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

void SetMasks(DibLayout& layout, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    layout.masks[0] = red;
    layout.masks[1] = green;
    layout.masks[2] = blue;
}

// The colour masks: in the header from version 2 on, else after it; the
// usual ones without bit fields.
DibProblem ReadMasks(const std::uint8_t* dib, std::size_t size, std::uint32_t headerSize,
                     std::uint32_t compression, DibLayout& layout, std::size_t& masksAfterHeader) {
    masksAfterHeader = 0;
    if (compression == kRgb) {
        if (layout.bitCount == 16) SetMasks(layout, 0x7C00u, 0x03E0u, 0x001Fu);
        if (layout.bitCount == 32) SetMasks(layout, 0xFF0000u, 0xFF00u, 0xFFu);
        // Version 4 and 5 headers may name an alpha channel beside plain 32-bit pixels.
        if (layout.bitCount == 32 && headerSize >= kV4Header && U32(dib + 52) == 0xFF000000u)
            layout.masks[3] = 0xFF000000u;
    } else {
        std::size_t count = compression == kAlphaBitFields ? 4 : 3;
        if (headerSize == kInfoHeader) {
            masksAfterHeader = count * 4;
            if (size < kInfoHeader + masksAfterHeader) return DibProblem::PixelsMissing;
        } else {
            count = std::min<std::size_t>(4, (headerSize - kInfoHeader) / 4); // the masks the header holds
        }
        for (std::size_t i = 0; i < count; ++i) layout.masks[i] = U32(dib + kInfoHeader + i * 4);
    }
    for (std::uint32_t mask : layout.masks)
        if (!ContiguousMask(mask)) return DibProblem::BadHeader;
    layout.alpha = layout.bitCount == 32 && layout.masks[3] != 0 && headerSize >= kV4Header;
    return DibProblem::None;
}

} // namespace

DibProblem ReadDibLayout(const std::uint8_t* dib, std::size_t size, DibLayout& layout) {
    layout = DibLayout{};
    if (!dib || size < kInfoHeader) return DibProblem::BadHeader;
    const std::uint32_t headerSize = U32(dib);
    if (!KnownHeaderSize(headerSize))
        return headerSize == 12 ? DibProblem::Unsupported : DibProblem::BadHeader;
    if (headerSize > size) return DibProblem::PixelsMissing;
    const std::int64_t width = I32(dib + 4);
    const std::int64_t height = I32(dib + 8);
    if (width <= 0 || height == 0 || U16(dib + 12) != 1) return DibProblem::BadHeader;
    layout.bitCount = U16(dib + 14);
    const std::uint32_t compression = U32(dib + 16);
    if (!KnownDepth(layout.bitCount, compression)) return DibProblem::Unsupported;
    const std::int64_t rows = height < 0 ? -height : height;
    if (width * rows > kMaxDibPixels) return DibProblem::TooLarge;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(rows);
    layout.topDown = height < 0;

    std::size_t masksAfterHeader = 0;
    if (const DibProblem problem = ReadMasks(dib, size, headerSize, compression, layout, masksAfterHeader);
        problem != DibProblem::None)
        return problem;

    // The colour table: every entry it holds is stored, also those a pixel cannot reach.
    const std::uint32_t used = U32(dib + 32);
    if (used > kMaxColourTable) return DibProblem::BadHeader;
    const std::size_t reachable = layout.bitCount <= 8 ? std::size_t{1} << layout.bitCount : 0;
    const std::size_t entries = used != 0 ? used : reachable;
    layout.colourTable = headerSize + masksAfterHeader;
    layout.colourCount = std::min(entries, reachable);
    layout.bits = layout.colourTable + entries * 4;
    layout.stride = static_cast<std::size_t>((width * layout.bitCount + 31) / 32 * 4);
    const std::uint64_t needed = static_cast<std::uint64_t>(layout.stride) * static_cast<std::uint64_t>(rows);
    if (layout.bits > size || needed > size - layout.bits) return DibProblem::PixelsMissing;
    return DibProblem::None;
}

namespace {

// One channel of a masked pixel, scaled to 0..255.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(std::uint32_t mask) {
        if (mask == 0) return;
        while (!(mask >> shift & 1)) ++shift;
        while (shift + bits < 32 && (mask >> (shift + bits) & 1)) ++bits;
    }
    std::uint8_t Of(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t value = (pixel >> shift) & ((bits >= 32 ? 0 : (1u << bits)) - 1u);
        if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
        return static_cast<std::uint8_t>(value * 255 / ((1u << bits) - 1));
    }
};

void ConvertIndexedRow(const std::uint8_t* row, const DibLayout& layout, const std::uint8_t* table,
                       std::uint8_t* out) {
    const int perByte = 8 / layout.bitCount;
    const unsigned mask = (1u << layout.bitCount) - 1;
    for (int x = 0; x < layout.width; ++x, out += 4) {
        const int shift = 8 - layout.bitCount * (x % perByte + 1);
        const std::size_t index = (row[x / perByte] >> shift) & mask;
        if (index < layout.colourCount) {
            std::memcpy(out, table + index * 4, 3);
        } else {
            std::memset(out, 0, 3); // a pixel beyond the stored colours
        }
        out[3] = 0;
    }
}

void ConvertMaskedRow(const std::uint8_t* row, const DibLayout& layout, const Channel (&channels)[4],
                      std::uint8_t* out) {
    const int bytes = layout.bitCount / 8;
    for (int x = 0; x < layout.width; ++x, out += 4, row += bytes) {
        const std::uint32_t pixel = bytes == 2 ? U16(row) : U32(row);
        out[0] = channels[2].Of(pixel);
        out[1] = channels[1].Of(pixel);
        out[2] = channels[0].Of(pixel);
        out[3] = channels[3].Of(pixel); // alpha, cleared again below unless it is composed
    }
}

// Three bytes a pixel become four with the fourth clear. On a little-endian
// machine four bytes are moved at a time where the row goes on beyond them
// (the fourth is the next pixel's blue, masked away); the last pixel of a
// row is moved alone, as the data may end right after it.
void ConvertRow24(const std::uint8_t* row, int width, std::uint8_t* out) {
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 1 < width; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + static_cast<std::size_t>(x) * 3, 4);
            pixel &= 0x00FFFFFFu;
            std::memcpy(out + static_cast<std::size_t>(x) * 4, &pixel, 4);
        }
    }
    for (; x < width; ++x) {
        std::memcpy(out + static_cast<std::size_t>(x) * 4, row + static_cast<std::size_t>(x) * 3, 3);
        out[static_cast<std::size_t>(x) * 4 + 3] = 0;
    }
}

void ConvertRow(const std::uint8_t* row, const DibLayout& layout, const std::uint8_t* table,
                const Channel (&channels)[4], bool plainBgrx, std::uint8_t* out) {
    if (layout.bitCount <= 8) {
        ConvertIndexedRow(row, layout, table, out);
    } else if (layout.bitCount == 24) {
        ConvertRow24(row, layout.width, out);
    } else if (plainBgrx) {
        std::memcpy(out, row, static_cast<std::size_t>(layout.width) * 4);
    } else {
        ConvertMaskedRow(row, layout, channels, out);
    }
}

} // namespace

void ConvertDibRows(const std::uint8_t* dib, const DibLayout& layout, std::uint8_t* out) {
    const Channel channels[4] = {Channel(layout.masks[0]), Channel(layout.masks[1]), Channel(layout.masks[2]),
                                 Channel(layout.masks[3])};
    const bool plainBgrx = layout.bitCount == 32 && layout.masks[0] == 0xFF0000u &&
                           layout.masks[1] == 0xFF00u && layout.masks[2] == 0xFFu &&
                           (layout.masks[3] == 0 || layout.masks[3] == 0xFF000000u);
    const std::size_t outStride = static_cast<std::size_t>(layout.width) * 4;
    for (int y = 0; y < layout.height; ++y) {
        const std::size_t stored = static_cast<std::size_t>(layout.topDown ? y : layout.height - 1 - y);
        ConvertRow(dib + layout.bits + stored * layout.stride, layout, dib + layout.colourTable, channels,
                   plainBgrx, out + static_cast<std::size_t>(y) * outStride);
    }
}

void ConvertDibPixels(const std::uint8_t* dib, const DibLayout& layout, std::uint8_t* out) {
    ConvertDibRows(dib, layout, out);
    const std::size_t count =
        static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height);
    if (layout.alpha) {
        SettleAlpha(out, count, AlphaColours::MaybeScaled);
        return;
    }
    // Indexed and 24-bit rows are written with the fourth byte clear already.
    if (layout.bitCount <= 8 || layout.bitCount == 24) return;
    for (std::size_t i = 0; i < count; ++i) out[i * 4 + 3] = 0;
}

bool DibAlphaMatters(const std::uint8_t* dib, const DibLayout& layout) {
    if (!layout.alpha) return false;
    const Channel alpha(layout.masks[3]);
    bool anyVisible = false, anyNotOpaque = false;
    for (int y = 0; y < layout.height && !(anyVisible && anyNotOpaque); ++y) {
        const std::uint8_t* row = dib + layout.bits + static_cast<std::size_t>(y) * layout.stride;
        for (int x = 0; x < layout.width; ++x) {
            const std::uint8_t value = alpha.Of(U32(row + static_cast<std::size_t>(x) * 4));
            anyVisible |= value != 0;
            anyNotOpaque |= value != 255;
        }
    }
    return anyVisible && anyNotOpaque;
}

} // namespace capture
