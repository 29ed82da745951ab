#include "clipboard/EnhMetafileCheck.h"

#include <cstdint>
#include <limits>

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

constexpr std::uint32_t kHeaderType = 1;
constexpr std::uint32_t kEofType = 14;
constexpr std::uint32_t kSignatureValue = 0x464D4520; // " EMF"
constexpr std::uint32_t kStockObjectFlag = 0x80000000;

// The fixed part of each record type in bytes, by type (EMR_*); 0 for the
// reserved types, which the program does not play.
constexpr std::uint16_t kFixedSize[] = {
    0,  88, 28,  28, 28,  28, 28,  32,  32,  16,  // 0-9: header, poly lines, extents
    16, 16, 16,  16, 20,  20, 12,  12,  12,  12,  // 10-19: origins, end of file, modes
    12, 12, 12,  32, 12,  12, 16,  16,  8,   24,  // 20-29: modes, colours, clipping
    24, 24, 24,  8,  12,  32, 36,  12,  28,  24,  // 30-39: scaling, transforms, objects
    12, 28, 24,  24, 32,  40, 40,  40,  12,  16,  // 40-49: shapes, palettes
    20, 16, 8,   24, 16,  40, 28,  12,  12,  8,   // 50-59: palettes, lines, paths
    8,  8,  24,  24, 24,  8,  8,   12,  8,   0,   // 60-69: paths
    12, 32, 40,  28, 28,  16, 100, 108, 128, 140, // 70-79: comment, regions, blits
    76, 80, 104, 76, 76,  28, 28,  28,  28,  28,  // 80-89: DIBs, font, text, 16-bit points
    32, 32, 28,  32, 32,  52, 40,  40,  12,  340, // 90-99: 16-bit points, brushes, pen, text
    12, 12, 12,  28, 48,  0,  0,   0,   0,   0,   // 100-109: colour spaces, GL, pixel format
    0,  24, 20,  20, 108, 12, 108, 0,   36,  0,   // 110-119: colour profiles, blends, gradient
    0,  24, 608,                                  // 120-122: colour matching
};

// Where a record names an object of the metafile's handle table.
enum class ObjectUse { Makes, SelectsOrStock, Uses };
struct ObjectIndex {
    std::uint32_t type;
    std::size_t offset;
    ObjectUse use;
};
constexpr ObjectIndex kObjectIndices[] = {
    {38, 8, ObjectUse::Makes},          // CREATEPEN
    {39, 8, ObjectUse::Makes},          // CREATEBRUSHINDIRECT
    {49, 8, ObjectUse::Makes},          // CREATEPALETTE
    {82, 8, ObjectUse::Makes},          // EXTCREATEFONTINDIRECTW
    {93, 8, ObjectUse::Makes},          // CREATEMONOBRUSH
    {94, 8, ObjectUse::Makes},          // CREATEDIBPATTERNBRUSHPT
    {95, 8, ObjectUse::Makes},          // EXTCREATEPEN
    {99, 8, ObjectUse::Makes},          // CREATECOLORSPACE
    {122, 8, ObjectUse::Makes},         // CREATECOLORSPACEW
    {37, 8, ObjectUse::SelectsOrStock}, // SELECTOBJECT
    {48, 8, ObjectUse::SelectsOrStock}, // SELECTPALETTE
    {40, 8, ObjectUse::Uses},           // DELETEOBJECT
    {50, 8, ObjectUse::Uses},           // SETPALETTEENTRIES
    {51, 8, ObjectUse::Uses},           // RESIZEPALETTE
    {71, 28, ObjectUse::Uses},          // FILLRGN: the brush
    {72, 28, ObjectUse::Uses},          // FRAMERGN: the brush
    {100, 8, ObjectUse::Uses},          // SETCOLORSPACE
    {101, 8, ObjectUse::Uses},          // DELETECOLORSPACE
    {111, 8, ObjectUse::Uses},          // COLORCORRECTPALETTE
};

// Where a record carries a bitmap: the field of its colour use, the first of
// its four fields offBmi, cbBmi, offBits, cbBits, and whether the player
// always reads it (an optional one is absent when offBmi and cbBmi are 0).
struct BitmapFields {
    std::uint32_t type;
    std::size_t usage;
    std::size_t fields;
    bool always;
};
constexpr BitmapFields kBitmaps[] = {
    {76, 80, 84, false},   // BITBLT
    {77, 80, 84, false},   // STRETCHBLT
    {78, 80, 84, false},   // MASKBLT: the source
    {78, 108, 112, false}, // MASKBLT: the mask
    {79, 92, 96, false},   // PLGBLT: the source
    {79, 120, 124, false}, // PLGBLT: the mask
    {80, 64, 48, true},    // SETDIBITSTODEVICE
    {81, 64, 48, true},    // STRETCHDIBITS
    {93, 12, 16, true},    // CREATEMONOBRUSH
    {94, 12, 16, true},    // CREATEDIBPATTERNBRUSHPT
    {114, 80, 84, false},  // ALPHABLEND
    {116, 80, 84, false},  // TRANSPARENTBLT
};

constexpr std::uint32_t kPalColours = 1;            // DIB_PAL_COLORS: 16-bit colour table entries
constexpr std::uint32_t kPaddedDxOption = 0x2000;   // ETO_PDY: two spacings per character
constexpr std::uint64_t kMaxPaletteEntries = 65536; // a palette counts its entries in 16 bits

std::uint32_t Read32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t Read16(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8;
}

// `count` items of `itemSize` bytes from `offset` lie inside `limit`.
bool Fits(std::uint64_t offset, std::uint64_t count, std::uint64_t itemSize, std::uint64_t limit) {
    return offset <= limit && (itemSize == 0 || count <= (limit - offset) / itemSize);
}

// One record, already known to lie inside the file and to hold its fixed part.
struct Record {
    const unsigned char* bytes;
    std::uint32_t size;
    std::uint32_t type;
    std::uint32_t At(std::uint64_t offset) const { return Read32(bytes + offset); }
    bool Holds(std::uint64_t offset, std::uint64_t count, std::uint64_t itemSize) const {
        return Fits(offset, count, itemSize, size);
    }
};

bool HeaderIsConsistent(const unsigned char* bytes, std::size_t size) {
    if (size < kMinimalHeaderSize) return false;
    const std::uint32_t headerSize = Read32(bytes + kRecordSize);
    if (Read32(bytes + kType) != kHeaderType || Read32(bytes + kSignature) != kSignatureValue) return false;
    if (headerSize < kMinimalHeaderSize || headerSize % 4 != 0 || headerSize > size) return false;
    if (Read32(bytes + kFileSize) != size || Read32(bytes + kRecordCount) < 2) return false;
    const std::uint32_t descriptionLength = Read32(bytes + kDescriptionLength);
    return descriptionLength == 0 || Fits(Read32(bytes + kDescriptionOffset), descriptionLength, 2, size);
}

bool EofRecordIsConsistent(const Record& eof, std::uint32_t headerPalette) {
    const std::uint32_t entries = eof.At(kEofPaletteEntries);
    return entries == headerPalette && (entries == 0 || eof.Holds(eof.At(kEofPaletteOffset), entries, 4));
}

// The player keeps objects in a table of the header's size and indexes it
// with the records' values without checking them; index 0 stands for the
// metafile itself.
bool ObjectIndicesFit(const Record& record, std::uint32_t handles) {
    for (const ObjectIndex& field : kObjectIndices) {
        if (field.type != record.type) continue;
        const std::uint32_t index = record.At(field.offset);
        if (field.use == ObjectUse::SelectsOrStock && (index & kStockObjectFlag)) continue;
        if (index < 1 || index >= handles) return false;
    }
    return true;
}

// A bitmap (BITMAPINFOHEADER or later, colour table, bits) that the player
// hands to the system, which reads as much as the header claims.
bool BitmapFits(const Record& record, const BitmapFields& where, std::uint64_t maxRows) {
    const std::uint32_t offBmi = record.At(where.fields), cbBmi = record.At(where.fields + 4);
    const std::uint32_t offBits = record.At(where.fields + 8), cbBits = record.At(where.fields + 12);
    if (!where.always && offBmi == 0 && cbBmi == 0) return true;
    if (!record.Holds(offBmi, cbBmi, 1) || !record.Holds(offBits, cbBits, 1) || cbBmi < 40) return false;
    const unsigned char* info = record.bytes + offBmi;
    const std::uint32_t headerSize = Read32(info), bitCount = Read16(info + 14),
                        compression = Read32(info + 16);
    const std::int64_t width = static_cast<std::int32_t>(Read32(info + 4));
    const std::int64_t height = static_cast<std::int32_t>(Read32(info + 8));
    if (headerSize < 40 || headerSize > cbBmi || width <= 0 || height == 0) return false;
    const std::uint64_t colours = Read32(info + 32) != 0 ? Read32(info + 32)
                                  : bitCount <= 8        ? 1u << bitCount
                                                         : 0;
    const std::uint64_t masks = headerSize == 40 && compression == 3   ? 3
                                : headerSize == 40 && compression == 6 ? 4
                                                                       : 0;
    const std::uint64_t entrySize = record.At(where.usage) == kPalColours ? 2 : 4;
    if (colours * entrySize + masks * 4 > cbBmi - headerSize) return false;
    if (compression == 1 || compression == 2 || compression == 4 || compression == 5) {
        const std::uint32_t imageSize = Read32(info + 20); // run-length, JPEG or PNG data
        return imageSize != 0 && imageSize <= cbBits;
    }
    const bool plain =
        compression == 0 && (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24);
    if (!plain &&
        !((compression == 0 || compression == 3 || compression == 6) && (bitCount == 16 || bitCount == 32)))
        return false;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t rows =
        height < 0 ? static_cast<std::uint64_t>(-height) : static_cast<std::uint64_t>(height);
    return Fits(0, rows < maxRows ? rows : maxRows, stride, cbBits);
}

bool BitmapsFit(const Record& record) {
    // SETDIBITSTODEVICE hands over only cScans rows.
    const std::uint64_t maxRows =
        record.type == 80 ? record.At(72) : std::numeric_limits<std::uint64_t>::max();
    for (const BitmapFields& where : kBitmaps)
        if (where.type == record.type && !BitmapFits(record, where, maxRows)) return false;
    return true;
}

// POLYPOLYLINE(16) and POLYPOLYGON(16): polygon counts, then the points they share.
bool PolyPolyFits(const Record& record, std::uint64_t pointSize) {
    const std::uint32_t polygons = record.At(24), points = record.At(28);
    if (!record.Holds(32, polygons, 4) || !record.Holds(32 + 4ull * polygons, points, pointSize))
        return false;
    std::uint64_t used = 0;
    for (std::uint32_t i = 0; i < polygons; ++i) used += record.At(32 + 4ull * i);
    return used <= points;
}

// An EMRTEXT at `text`: its characters and its spacings lie inside the record.
bool TextFits(const Record& record, std::uint64_t text, std::uint64_t charSize) {
    const std::uint32_t chars = record.At(text + 8);
    const std::uint64_t dxSize = (record.At(text + 16) & kPaddedDxOption) ? 8 : 4;
    return record.Holds(record.At(text + 12), chars, charSize) &&
           record.Holds(record.At(text + 36), chars, dxSize);
}

bool PolyTextFits(const Record& record, std::uint64_t charSize) {
    const std::uint32_t strings = record.At(36);
    if (!record.Holds(40, strings, 40)) return false;
    for (std::uint32_t i = 0; i < strings; ++i)
        if (!TextFits(record, 40 + 40ull * i, charSize)) return false;
    return true;
}

// RGNDATA of `bytes` (the field at `sizeField`) from `data`: a 32-byte header
// and as many rectangles as it counts.
bool RegionFits(const Record& record, std::size_t sizeField, std::size_t data, bool optional) {
    const std::uint32_t bytes = record.At(sizeField);
    if (optional && bytes == 0) return true;
    if (bytes < 32 || !record.Holds(data, bytes, 1)) return false;
    const std::uint32_t headerSize = record.At(data), rectangles = record.At(data + 8);
    return headerSize >= 32 && Fits(headerSize, rectangles, 16, bytes);
}

// GRADIENTFILL: vertices, then rectangles or triangles whose corners index them.
bool GradientFits(const Record& record) {
    const std::uint32_t vertices = record.At(24), meshes = record.At(28), mode = record.At(32);
    if (mode > 2) return false;
    const std::uint64_t corners = mode == 2 ? 3 : 2, mesh = 36 + 16ull * vertices;
    if (!record.Holds(36, vertices, 16) || !record.Holds(mesh, meshes, 4 * corners)) return false;
    for (std::uint64_t i = 0; i < meshes * corners; ++i)
        if (record.At(mesh + 4 * i) >= vertices) return false;
    return true;
}

// EXTCREATEPEN: its style entries, and its brush bitmap when the brush style uses one.
bool PenFits(const Record& record) {
    const std::uint32_t brushStyle = record.At(36);
    const bool patterned =
        brushStyle == 3 || brushStyle == 5 || brushStyle == 6; // BS_PATTERN, BS_DIBPATTERN(PT)
    return record.Holds(52, record.At(48), 4) &&
           (!patterned || BitmapFits(record, {95, 40, 12, true}, ~0ull));
}

// The counts and offsets of a record's variable part.
bool VariablePartFits(const Record& record) {
    const std::uint32_t type = record.type;
    if (type >= 2 && type <= 6) return record.Holds(28, record.At(24), 8);   // POLYBEZIER .. POLYLINETO
    if (type >= 85 && type <= 89) return record.Holds(28, record.At(24), 4); // their 16-bit forms
    switch (type) {
    case 7:
    case 8: return PolyPolyFits(record, 8);
    case 90:
    case 91: return PolyPolyFits(record, 4);
    case 56: return record.Holds(28, record.At(24), 8 + 1);         // POLYDRAW: points and their kinds
    case 92: return record.Holds(28, record.At(24), 4 + 1);         // POLYDRAW16
    case 49: return record.Holds(16, Read16(record.bytes + 14), 4); // CREATEPALETTE
    case 50:                                                        // SETPALETTEENTRIES
        return record.Holds(20, record.At(16), 4) &&
               static_cast<std::uint64_t>(record.At(12)) + record.At(16) <= kMaxPaletteEntries;
    case 51: return record.At(12) <= kMaxPaletteEntries; // RESIZEPALETTE
    case 70:
    case 102: return record.Holds(12, record.At(8), 1);  // GDICOMMENT, GLSRECORD
    case 103: return record.Holds(28, record.At(24), 1); // GLSBOUNDEDRECORD
    case 71: return RegionFits(record, 24, 32, false);   // FILLRGN
    case 72: return RegionFits(record, 24, 40, false);   // FRAMERGN
    case 73:
    case 74: return RegionFits(record, 24, 28, false); // INVERTRGN, PAINTRGN
    case 75: return RegionFits(record, 8, 16, true);   // EXTSELECTCLIPRGN
    case 83: return TextFits(record, 36, 1);           // EXTTEXTOUTA
    case 84: return TextFits(record, 36, 2);           // EXTTEXTOUTW
    case 96: return PolyTextFits(record, 1);
    case 97: return PolyTextFits(record, 2);
    case 95: return PenFits(record);
    case 112: // SETICMPROFILEA
    case 113: // SETICMPROFILEW: name and data
        return record.Holds(20, static_cast<std::uint64_t>(record.At(12)) + record.At(16), 1);
    case 118: return GradientFits(record);
    case 121: // COLORMATCHTOTARGETW: name and data
        return record.Holds(24, static_cast<std::uint64_t>(record.At(16)) + record.At(20), 1);
    case 122: return record.Holds(608, record.At(604), 1); // CREATECOLORSPACEW
    default: return BitmapsFit(record);
    }
}

// A record the player can be trusted with: a type it knows, its fixed part
// whole, and every count, offset and object index inside the record or the
// handle table.
bool RecordIsConsistent(const Record& record, std::uint32_t handles) {
    constexpr std::size_t kTypes = sizeof kFixedSize / sizeof kFixedSize[0];
    if (record.type >= kTypes || kFixedSize[record.type] == 0 || record.size < kFixedSize[record.type])
        return false;
    return ObjectIndicesFit(record, handles) && VariablePartFits(record);
}

} // namespace

bool IsWellFormedEnhMetafile(const unsigned char* bytes, std::size_t size) {
    if (!bytes || !HeaderIsConsistent(bytes, size)) return false;
    const std::uint32_t headerPalette = Read32(bytes + kPaletteEntries);
    const std::uint32_t handles = Read16(bytes + kHandleCount);
    std::uint64_t records = 0;
    for (std::size_t offset = 0; offset + 8 <= size;) {
        const Record record{bytes + offset, Read32(bytes + offset + 4), Read32(bytes + offset)};
        if (record.size < 8 || record.size % 4 != 0 || record.size > size - offset) return false;
        if (offset > 0 && record.type == kHeaderType) return false;
        if (!RecordIsConsistent(record, handles)) return false;
        ++records;
        if (record.type == kEofType)
            return offset + record.size == size && records == Read32(bytes + kRecordCount) &&
                   EofRecordIsConsistent(record, headerPalette);
        offset += record.size;
    }
    return false;
}

} // namespace clipboard
