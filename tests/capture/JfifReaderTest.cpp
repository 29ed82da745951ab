// JPEG files from other programs: decoded, turned as their EXIF orientation
// says, and refused when damaged or oversized.
#include "capture/JfifReader.h"
#include "capture/ExifOrientation.h"
#include "capture/JpegEncoder.h"

#include "DecodeTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using capture::DecodeProblem;
using Bytes = std::vector<std::uint8_t>;

// --- The orientation tag ---------------------------------------------------------

Bytes ExifBlock(bool bigEndian, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                std::uint16_t value) {
    Bytes block{'E', 'x', 'i', 'f', 0, 0};
    const auto u16 = [&](std::uint32_t v) {
        if (bigEndian)
            block.insert(block.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
        else
            block.insert(block.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    };
    const auto u32 = [&](std::uint32_t v) {
        if (bigEndian) {
            u16(v >> 16);
            u16(v & 0xFFFF);
        } else {
            u16(v & 0xFFFF);
            u16(v >> 16);
        }
    };
    const std::uint8_t order = bigEndian ? 'M' : 'I';
    block.insert(block.end(), {order, order});
    u16(42);
    u32(8);
    u16(2); // two entries: another tag first
    u16(0x010F), u16(2), u32(4), u32(0x41424300);
    u16(tag), u16(type), u32(count), u16(value), u16(0);
    u32(0);
    return block;
}

struct TagCase {
    const char* rule;
    Bytes app1;
    int orientation;
};
void PrintTo(const TagCase& c, std::ostream* os) {
    *os << c.rule;
}

class ExifTag : public ::testing::TestWithParam<TagCase> {};

TEST_P(ExifTag, GivesTheOrientationOrOneForAnythingElse) {
    const Bytes& app1 = GetParam().app1;
    EXPECT_EQ(capture::ExifOrientation(app1.data(), app1.size()), GetParam().orientation);
}

Bytes Cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExifTag,
    ::testing::Values(
        TagCase{"big endian", ExifBlock(true, 0x0112, 3, 1, 6), 6},
        TagCase{"little endian", ExifBlock(false, 0x0112, 3, 1, 8), 8},
        TagCase{"no orientation tag", ExifBlock(true, 0x0110, 3, 1, 6), 1},
        TagCase{"a value beyond 8", ExifBlock(false, 0x0112, 3, 1, 9), 1},
        TagCase{"a value of another type", ExifBlock(false, 0x0112, 4, 1, 6), 1},
        TagCase{"cut inside the entry", Cut(ExifBlock(false, 0x0112, 3, 1, 6), 36), 1},
        TagCase{"not an EXIF block",
                Bytes{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', '.', 'a', 'd', 'o', 'b', 'e'}, 1},
        TagCase{"empty", Bytes{}, 1}),
    [](const ::testing::TestParamInfo<TagCase>& info) {
        std::string name;
        for (const char* c = info.param.rule; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

// --- Decoding -------------------------------------------------------------------

using capture_testing::Decoded;

Decoded Decode(const std::string& file) {
    return capture_testing::DecodeWith<capture::JfifReader>(file);
}

// 24 x 16 pixels of six flat 8 x 8 blocks; the corners are red, blue, black, yellow.
std::string CornerJpeg() {
    constexpr std::uint32_t kBlocks[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x000000, 0xFFFFFF, 0xFFFF00}};
    std::vector<std::uint8_t> bgrx;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) {
            const std::uint32_t rgb = kBlocks[y / 8][x / 8];
            bgrx.insert(bgrx.end(), {std::uint8_t(rgb), std::uint8_t(rgb >> 8), std::uint8_t(rgb >> 16), 0});
        }
    return capture::EncodeJpeg({24, 16, 24 * 4, bgrx.data()}, 100);
}

std::string WithApp1(const std::string& jpeg, const Bytes& app1) {
    std::string segment{'\xFF', '\xE1', char((app1.size() + 2) >> 8), char((app1.size() + 2) & 0xFF)};
    segment.append(app1.begin(), app1.end());
    return jpeg.substr(0, 2) + segment + jpeg.substr(2);
}

// The corner's colour as a letter: R(ed), B(lue), K (black), Y(ellow).
char Corner(const Decoded& d, int x, int y) {
    const std::uint8_t* p = d.pixels.data() + (static_cast<std::size_t>(y) * d.width + x) * 4;
    const auto near = [&](int b, int g, int r) {
        return std::abs(p[0] - b) < 8 && std::abs(p[1] - g) < 8 && std::abs(p[2] - r) < 8;
    };
    if (near(0, 0, 255)) return 'R';
    if (near(255, 0, 0)) return 'B';
    if (near(0, 0, 0)) return 'K';
    if (near(0, 255, 255)) return 'Y';
    return '?';
}

TEST(JfifReader, EveryOrientationStandsAsTheUserSawIt) {
    const std::string jpeg = CornerJpeg();
    // Top left, top right, bottom left, bottom right, for orientations 1 to 8.
    const char* corners[] = {"RBKY", "BRYK", "YKBR", "KYRB", "RKBY", "KRYB", "YBKR", "BYRK"};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const Decoded d = Decode(WithApp1(
            jpeg, ExifBlock(orientation % 2 == 0, 0x0112, 3, 1, static_cast<std::uint16_t>(orientation))));
        ASSERT_TRUE(d.result.ok()) << d.result.message;
        EXPECT_EQ(d.width, orientation >= 5 ? 16 : 24) << orientation;
        EXPECT_EQ(d.height, orientation >= 5 ? 24 : 16) << orientation;
        const std::string seen{Corner(d, 0, 0), Corner(d, d.width - 1, 0), Corner(d, 0, d.height - 1),
                               Corner(d, d.width - 1, d.height - 1)};
        EXPECT_EQ(seen, corners[orientation - 1]) << "orientation " << orientation;
    }
}

TEST(JfifReader, DamagedFilesAndOversizedHeadersAreRefused) {
    const std::string jpeg = CornerJpeg();
    EXPECT_EQ(Decode(jpeg.substr(0, jpeg.size() / 2)).result.problem, DecodeProblem::Damaged);
    EXPECT_EQ(Decode(jpeg.substr(0, 30)).result.problem, DecodeProblem::Damaged);
    EXPECT_EQ(Decode("\x89PNG\r\n\x1a\n").result.problem, DecodeProblem::Damaged);

    // The frame header's height and width, 20000 each.
    std::string huge = jpeg;
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\x4E\x20\x4E\x20");
    const Decoded hugeDecoded = Decode(huge);
    EXPECT_EQ(hugeDecoded.result.problem, DecodeProblem::TooLarge);
    EXPECT_EQ(hugeDecoded.result.message, "20000 x 20000");
}

} // namespace
