#include "capture/BitmapFile.h"

#include <limits>
#include <stdexcept>

namespace capture {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

} // namespace

std::string EncodeBitmapFile(int width, int height, const std::uint8_t* bgrxRows) {
    if (width <= 0 || height <= 0 || !bgrxRows)
        throw std::invalid_argument("no picture to write as a bitmap");
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(height);
    const std::uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageSize;
    if (fileSize > std::numeric_limits<std::int32_t>::max())
        throw std::length_error("the bitmap is too large");

    std::string file;
    file.reserve(static_cast<size_t>(fileSize));
    file += "BM";
    Put32(file, static_cast<std::uint32_t>(fileSize));
    Put32(file, 0); // reserved
    Put32(file, kFileHeaderSize + kInfoHeaderSize);
    Put32(file, kInfoHeaderSize);
    Put32(file, static_cast<std::uint32_t>(width));
    Put32(file, static_cast<std::uint32_t>(height)); // positive: bottom-up rows
    Put16(file, 1);                                  // planes
    Put16(file, 24);                                 // bits per pixel
    Put32(file, 0);                                  // BI_RGB
    Put32(file, static_cast<std::uint32_t>(imageSize));
    Put32(file, 2835); // 72 dots per inch, in dots per metre
    Put32(file, 2835);
    Put32(file, 0); // colours used
    Put32(file, 0); // important colours

    // Rows bottom to top, each padded with zeros to a multiple of four bytes.
    const size_t headerSize = file.size();
    file.resize(static_cast<size_t>(fileSize), '\0');
    char* out = file.data() + headerSize;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    const size_t rowStride = static_cast<size_t>(stride);
    for (int row = height - 1; row >= 0; --row, out += rowStride) {
        const std::uint8_t* pixel = bgrxRows + static_cast<size_t>(row) * rowBytes;
        for (int x = 0; x < width; ++x, pixel += 4) {
            out[x * 3] = static_cast<char>(pixel[0]);
            out[x * 3 + 1] = static_cast<char>(pixel[1]);
            out[x * 3 + 2] = static_cast<char>(pixel[2]);
        }
    }
    return file;
}

} // namespace capture
