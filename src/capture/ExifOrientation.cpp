#include "capture/ExifOrientation.h"

#include <cstring>

namespace capture {
namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShort = 3;
constexpr std::size_t kEntrySize = 12;

struct Tiff {
    const std::uint8_t* data;
    std::size_t size;
    bool bigEndian;

    bool Fits(std::size_t offset, std::size_t count) const {
        return offset <= size && count <= size - offset;
    }
    std::uint16_t U16(std::size_t at) const {
        return bigEndian ? static_cast<std::uint16_t>(data[at] << 8 | data[at + 1])
                         : static_cast<std::uint16_t>(data[at + 1] << 8 | data[at]);
    }
    std::uint32_t U32(std::size_t at) const {
        const std::uint32_t high = U16(at), low = U16(at + 2);
        return bigEndian ? high << 16 | low : low << 16 | high;
    }
};

} // namespace

int ExifOrientation(const std::uint8_t* app1, std::size_t size) {
    static constexpr char kExif[] = "Exif\0\0";
    if (size < 6 + 8 || std::memcmp(app1, kExif, 6) != 0) return 1;
    const std::uint8_t* block = app1 + 6;
    Tiff tiff{block, size - 6, block[0] == 'M'};
    const bool little = block[0] == 'I' && block[1] == 'I';
    if (!(little || (block[0] == 'M' && block[1] == 'M')) || tiff.U16(2) != 42) return 1;
    const std::size_t directory = tiff.U32(4);
    if (!tiff.Fits(directory, 2)) return 1;
    const std::size_t entries = tiff.U16(directory);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * kEntrySize;
        if (!tiff.Fits(entry, kEntrySize)) return 1;
        if (tiff.U16(entry) != kOrientationTag) continue;
        if (tiff.U16(entry + 2) != kShort || tiff.U32(entry + 4) != 1) return 1;
        const int value = tiff.U16(entry + 8);
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

Orientation::Orientation(int orientation, int width, int height)
    : orientation_(orientation >= 1 && orientation <= 8 ? orientation : 1), width_(width), height_(height) {}

// Orientations 5 to 8 turn the picture a quarter: width and height trade places.
int Orientation::Width() const {
    return orientation_ >= 5 ? height_ : width_;
}
int Orientation::Height() const {
    return orientation_ >= 5 ? width_ : height_;
}

std::ptrdiff_t Orientation::Start(int y) const {
    const std::ptrdiff_t w = Width(), h = Height();
    const std::ptrdiff_t row = y;
    switch (orientation_) {
    case 2: return row * w + (w - 1);           // mirrored left to right
    case 3: return (h - 1 - row) * w + (w - 1); // turned half round
    case 4: return (h - 1 - row) * w;           // mirrored top to bottom
    case 5: return row;                         // mirrored along the main diagonal
    case 6: return (w - 1 - row);               // turned a quarter clockwise
    case 7: return (h - 1) * w + (w - 1 - row); // mirrored along the other diagonal
    case 8: return (h - 1) * w + row;           // turned a quarter anticlockwise
    default: return row * w;
    }
}

std::ptrdiff_t Orientation::Step() const {
    const std::ptrdiff_t w = Width();
    switch (orientation_) {
    case 2:
    case 3: return -1;
    case 5:
    case 6: return w;
    case 7:
    case 8: return -w;
    default: return 1;
    }
}

} // namespace capture
