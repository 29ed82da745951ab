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
