// The framing check of enhanced metafiles taken from the clipboard.
#include "clipboard/EnhMetafileCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

using namespace clipboard;

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& bytes, size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

Bytes Record(std::uint32_t type, std::vector<std::uint32_t> fields) {
    Bytes record(8 + 4 * fields.size());
    Put32(record, 0, type);
    Put32(record, 4, static_cast<std::uint32_t>(record.size()));
    for (size_t i = 0; i < fields.size(); ++i) Put32(record, 8 + 4 * i, fields[i]);
    return record;
}

// A metafile: an 88-byte header, the given records, and an end-of-file record.
// `edit` changes the finished bytes.
Bytes Metafile(std::vector<Bytes> records = {}, std::uint16_t handles = 2,
               const std::function<void(Bytes&)>& edit = nullptr) {
    Bytes bytes(88, 0);
    Put32(bytes, 0, 1);
    Put32(bytes, 4, 88);
    Put32(bytes, 40, 0x464D4520);
    for (const Bytes& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
    const Bytes eof = Record(14, {0, 16, 20});
    bytes.insert(bytes.end(), eof.begin(), eof.end());
    Put32(bytes, 48, static_cast<std::uint32_t>(bytes.size()));
    Put32(bytes, 52, static_cast<std::uint32_t>(records.size() + 2));
    bytes[56] = static_cast<unsigned char>(handles);
    bytes[57] = static_cast<unsigned char>(handles >> 8);
    if (edit) edit(bytes);
    return bytes;
}

const Bytes kCreatePen = Record(38, {1, 0, 1, 1, 0});
const Bytes kSelectPen = Record(37, {1});

using Fields = std::vector<std::uint32_t>;

Fields operator+(Fields a, const Fields& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A 2-pixel-wide 24-bit BITMAPINFOHEADER; two rows of its bits take four fields.
Fields DibHeader(std::int32_t height) {
    return {40, 2, static_cast<std::uint32_t>(height), 1 | 24 << 16, 0, 0, 0, 0, 0, 0};
}
const Fields kTwoRows(4, 0);

// STRETCHDIBITS with its bitmap header at 80 and its bits at `offBits`.
Bytes StretchDiBits(std::int32_t height, std::uint32_t offBits) {
    Fields fields(18, 0);
    fields[10] = 80, fields[11] = 40, fields[12] = offBits, fields[13] = 16, fields[15] = 0xCC0020;
    return Record(81, fields + DibHeader(height) + kTwoRows);
}

// BITBLT with a source bitmap header at `offBmi` and its bits at 140.
Bytes BitBlt(std::uint32_t offBmi) {
    Fields fields(23, 0);
    fields[8] = 0xCC0020, fields[19] = offBmi, fields[20] = 40, fields[21] = 140, fields[22] = 16;
    return Record(76, fields + DibHeader(2) + kTwoRows);
}

// EXTTEXTOUTW of `chars` characters: two at 76, their spacings at 80.
Bytes ExtTextOutW(std::uint32_t chars) {
    Fields fields(17, 0);
    fields[4] = 1, fields[9] = chars, fields[10] = 76, fields[16] = 80;
    return Record(84, fields + Fields{0x00420041, 10, 10});
}

// FILLRGN with brush 1 and a region that counts `rectangles` but holds one.
Bytes FillRgn(std::uint32_t rectangles) {
    return Record(71,
                  Fields{0, 0, 0, 0, 48, 1} + Fields{32, 1, rectangles, 16, 0, 0, 9, 9} + Fields{0, 0, 9, 9});
}

const Fields kBounds{0, 0, 0, 0};

} // namespace

TEST(EnhMetafileCheck, AcceptsWellFramedMetafilesOnly) {
    struct Case {
        const char* rule;
        Bytes bytes;
        bool playable;
    };
    const Case cases[] = {
        {"header and end only", Metafile(), true},
        {"a pen made, selected and deleted", Metafile({kCreatePen, kSelectPen, Record(40, {1})}), true},
        {"a stock object selected", Metafile({Record(37, {0x80000000u | 5})}, 1), true},
        {"a description inside the file",
         Metafile({}, 1,
                  [](Bytes& b) {
                      Put32(b, 60, 4);
                      Put32(b, 64, 80);
                  }),
         true},
        {"a header longer than the file", Metafile({}, 1, [](Bytes& b) { Put32(b, 4, 0x10000); }), false},
        {"a header shorter than its fields", Metafile({}, 1, [](Bytes& b) { Put32(b, 4, 80); }), false},
        {"a file size that is not the file's", Metafile({}, 1, [](Bytes& b) { Put32(b, 48, 4096); }), false},
        {"a record count that is not the file's", Metafile({}, 1, [](Bytes& b) { Put32(b, 52, 0x7FFFFFFF); }),
         false},
        {"a wrong signature", Metafile({}, 1, [](Bytes& b) { Put32(b, 40, 0); }), false},
        {"not starting with a header", Metafile({}, 1, [](Bytes& b) { Put32(b, 0, 2); }), false},
        {"a description outside the file",
         Metafile({}, 1,
                  [](Bytes& b) {
                      Put32(b, 60, 1000);
                      Put32(b, 64, 0xFFFFFFF0);
                  }),
         false},
        {"palette entries the end record does not have",
         Metafile({}, 1, [](Bytes& b) { Put32(b, 68, 100000); }), false},
        {"a record size not a multiple of four",
         Metafile({Record(10, {1, 2})}, 1, [](Bytes& b) { Put32(b, 92, 14); }), false},
        {"a record running past the end",
         Metafile({Record(10, {1, 2})}, 1, [](Bytes& b) { Put32(b, 92, 4000); }), false},
        {"a record shorter than its frame",
         Metafile({Record(10, {1, 2})}, 1, [](Bytes& b) { Put32(b, 92, 4); }), false},
        {"a second header", Metafile({Record(1, {0})}), false},
        {"no end record",
         Metafile({}, 1,
                  [](Bytes& b) {
                      b.resize(88);
                      Put32(b, 48, 88);
                  }),
         false},
        {"an object made beyond the handle table", Metafile({Record(39, {5, 0, 0, 0})}, 2), false},
        {"an object made at the metafile's own index", Metafile({Record(39, {0, 0, 0, 0})}, 2), false},
        {"a handle table of no entries", Metafile({kCreatePen, kSelectPen}, 0), false},
        {"an object used beyond the handle table", Metafile({Record(37, {7})}, 2), false},
        {"an object record without its index", Metafile({Record(40, {})}, 2), false},
        {"a file cut inside the header", Bytes(60, 0), false},
        {"nothing", Bytes(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWellFormedEnhMetafile(c.bytes.data(), c.bytes.size()), c.playable) << c.rule;
}

TEST(EnhMetafileCheck, RefusesRecordsWhoseCountsOffsetsOrIndicesLie) {
    struct Case {
        const char* family;
        Bytes honest; // empty: no honest form
        Bytes lying;
    };
    const Case cases[] = {
        {"POLYLINE16 points", Record(87, kBounds + Fields{2, 0, 0}),
         Record(87, kBounds + Fields{1000, 0, 0})},
        {"POLYGON points", Record(3, kBounds + Fields{1, 0, 0}), Record(3, kBounds + Fields{2, 0, 0})},
        {"POLYDRAW16 points and kinds", Record(92, kBounds + Fields{2, 0, 0, 0}),
         Record(92, kBounds + Fields{3, 0, 0, 0})},
        {"POLYPOLYLINE16 polygon counts", Record(90, kBounds + Fields{2, 3, 1, 2, 0, 0, 0}),
         Record(90, kBounds + Fields{2, 3, 2, 2, 0, 0, 0})},
        {"STRETCHDIBITS rows the bits lack", StretchDiBits(2, 120), StretchDiBits(2000, 120)},
        {"STRETCHDIBITS bits outside", StretchDiBits(2, 120), StretchDiBits(2, 0xFFFFFFF0)},
        {"BITBLT bitmap header outside", BitBlt(100), BitBlt(0xFFFFFF00)},
        {"EXTTEXTOUTW characters", ExtTextOutW(2), ExtTextOutW(5000)},
        {"SETPALETTEENTRIES entries", Record(50, {1, 0, 1, 0}), Record(50, {1, 0, 9, 0})},
        {"SETPALETTEENTRIES palette index", Record(50, {1, 0, 1, 0}), Record(50, {7, 0, 1, 0})},
        {"RESIZEPALETTE palette index", Record(51, {1, 16}), Record(51, {0x80000001u, 16})},
        {"CREATEPALETTE entries", Record(49, {1, 0x300 | 1 << 16, 0}), Record(49, {1, 0x300 | 200 << 16, 0})},
        {"DELETEOBJECT of a stock object", Record(40, {1}), Record(40, {0x80000001u})},
        {"EXTCREATEFONTINDIRECTW without its font", Record(82, Fields(24, 1)), Record(82, {1})},
        {"EXTCREATEPEN style entries", Record(95, Fields{1} + Fields(10, 0)),
         Record(95, Fields{1} + Fields(9, 0) + Fields{1000})},
        {"FILLRGN rectangles", FillRgn(1), FillRgn(5)},
        {"GRADIENTFILL corner index", Record(118, kBounds + Fields{2, 1, 0} + Fields(8, 0) + Fields{0, 1}),
         Record(118, kBounds + Fields{2, 1, 0} + Fields(8, 0) + Fields{0, 2})},
        {"GDICOMMENT data", Record(70, {4, 0}), Record(70, {400, 0})},
        {"a reserved record type", {}, Record(108, Fields(8, 0))},
    };
    for (const Case& c : cases) {
        if (!c.honest.empty()) {
            const Bytes honest = Metafile({c.honest});
            EXPECT_TRUE(IsWellFormedEnhMetafile(honest.data(), honest.size())) << c.family;
        }
        const Bytes lying = Metafile({c.lying});
        EXPECT_FALSE(IsWellFormedEnhMetafile(lying.data(), lying.size())) << c.family;
    }
}
