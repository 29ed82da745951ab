#include "clipboard/EnhMetafileCheck.h"

#include <cstdint>

namespace clipboard {
namespace {

// Offsets in the header record (ENHMETAHEADER).
constexpr std::size_t kType = 0;
constexpr std::size_t kRecordSize = 4;
constexpr std::size_t kSignature = 40;
constexpr std::size_t kFileSize = 48;
constexpr std::size_t kRecordCount = 52;
constexpr std::size_t kHandleCount = 56; // 16 bits
constexpr std::size_t kDescriptionLength = 60;
constexpr std::size_t kDescriptionOffset = 64;
constexpr std::size_t kPaletteEntries = 68;
constexpr std::size_t kMinimalHeaderSize = 88;

// The end-of-file record: type, size, palette entries, palette offset.
constexpr std::size_t kEofPaletteEntries = 8;
constexpr std::size_t kEofPaletteOffset = 12;
constexpr std::size_t kMinimalEofSize = 20;

constexpr std::uint32_t kHeaderType = 1;
constexpr std::uint32_t kEofType = 14;
constexpr std::uint32_t kSignatureValue = 0x464D4520; // " EMF"
constexpr std::uint32_t kStockObjectFlag = 0x80000000;

// Records that make an object in the handle table, at the index in their third field.
constexpr std::uint32_t kCreatingRecords[] = {
    38,  // EMR_CREATEPEN
    39,  // EMR_CREATEBRUSHINDIRECT
    49,  // EMR_CREATEPALETTE
    82,  // EMR_EXTCREATEFONTINDIRECTW
    93,  // EMR_CREATEMONOBRUSH
    94,  // EMR_CREATEDIBPATTERNBRUSHPT
    95,  // EMR_EXTCREATEPEN
    99,  // EMR_CREATECOLORSPACE
    122, // EMR_CREATECOLORSPACEW
};
// Records that use an object of the handle table (or a stock object).
constexpr std::uint32_t kUsingRecords[] = {
    37,  // EMR_SELECTOBJECT
    40,  // EMR_DELETEOBJECT
    48,  // EMR_SELECTPALETTE
    100, // EMR_SETCOLORSPACE
    101, // EMR_DELETECOLORSPACE
};

template <std::size_t N> bool IsOneOf(std::uint32_t type, const std::uint32_t (&types)[N]) {
    for (std::uint32_t each : types)
        if (each == type) return true;
    return false;
}

std::uint32_t Read32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// `count` items of `itemSize` bytes from `offset` lie inside `limit`.
bool Fits(std::uint64_t offset, std::uint64_t count, std::uint64_t itemSize, std::uint64_t limit) {
    return offset <= limit && count * itemSize <= limit - offset;
}

bool HeaderIsConsistent(const unsigned char* bytes, std::size_t size) {
    if (size < kMinimalHeaderSize) return false;
    const std::uint32_t headerSize = Read32(bytes + kRecordSize);
    if (Read32(bytes + kType) != kHeaderType || Read32(bytes + kSignature) != kSignatureValue) return false;
    if (headerSize < kMinimalHeaderSize || headerSize % 4 != 0 || headerSize > size) return false;
    if (Read32(bytes + kFileSize) != size || Read32(bytes + kRecordCount) < 2) return false;
    const std::uint32_t descriptionLength = Read32(bytes + kDescriptionLength);
    return descriptionLength == 0 || Fits(Read32(bytes + kDescriptionOffset), descriptionLength, 2, size);
}

bool EofRecordIsConsistent(const unsigned char* record, std::uint32_t recordSize,
                           std::uint32_t headerPalette) {
    if (recordSize < kMinimalEofSize) return false;
    const std::uint32_t entries = Read32(record + kEofPaletteEntries);
    if (entries != headerPalette) return false;
    return entries == 0 || Fits(Read32(record + kEofPaletteOffset), entries, 4, recordSize);
}

// The player keeps objects in a table of the header's size and indexes it
// with the records' values without checking them.
bool HandleIndexFits(const unsigned char* record, std::uint32_t recordSize, std::uint32_t type,
                     std::uint32_t handles) {
    const bool creates = IsOneOf(type, kCreatingRecords);
    if (!creates && !IsOneOf(type, kUsingRecords)) return true;
    if (recordSize < 12) return false;
    const std::uint32_t index = Read32(record + 8);
    if (!creates && (index & kStockObjectFlag)) return true;
    return index >= 1 && index < handles; // index 0 stands for the metafile itself
}

} // namespace

bool IsWellFormedEnhMetafile(const unsigned char* bytes, std::size_t size) {
    if (!bytes || !HeaderIsConsistent(bytes, size)) return false;
    const std::uint32_t headerPalette = Read32(bytes + kPaletteEntries);
    const std::uint32_t handles = static_cast<std::uint32_t>(bytes[kHandleCount]) | bytes[kHandleCount + 1]
                                                                                        << 8;
    std::uint64_t records = 0;
    for (std::size_t offset = 0; offset + 8 <= size;) {
        const std::uint32_t type = Read32(bytes + offset);
        const std::uint32_t recordSize = Read32(bytes + offset + 4);
        if (recordSize < 8 || recordSize % 4 != 0 || recordSize > size - offset) return false;
        if (offset > 0 && type == kHeaderType) return false;
        if (!HandleIndexFits(bytes + offset, recordSize, type, handles)) return false;
        ++records;
        if (type == kEofType)
            return offset + recordSize == size && records == Read32(bytes + kRecordCount) &&
                   EofRecordIsConsistent(bytes + offset, recordSize, headerPalette);
        offset += recordSize;
    }
    return false;
}

} // namespace clipboard
