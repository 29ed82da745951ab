// PNG files from other programs: every kind comes out as blue, green, red,
// and alpha where the file has transparency (else 0); damaged and oversized files are refused before their
// pixels.
#include "capture/PngReader.h"

#include "PngTestFiles.h"

#include "DecodeTestSupport.h"

#include <gtest/gtest.h>

#include <png.h>

namespace {

using capture::DecodeProblem;
using capture_testing::EncodePng;
using capture_testing::PngSpec;
using Bytes = std::vector<std::uint8_t>;

using capture_testing::Decoded;

Decoded Decode(const std::string& file) {
    return capture_testing::DecodeWith<capture::PngReader>(file);
}

std::size_t ChunkOffset(const std::string& png, const char* type) {
    return png.find(type) - 4;
}

struct KindCase {
    const char* rule;
    PngSpec spec;
    Bytes bgra; // every pixel, rows top to bottom
};
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.rule;
}

class PngKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(PngKinds, ComeOutAsBlueGreenRedAlpha) {
    const Decoded decoded = Decode(EncodePng(GetParam().spec));
    ASSERT_TRUE(decoded.result.ok()) << decoded.result.message;
    EXPECT_EQ(decoded.width, GetParam().spec.width);
    EXPECT_EQ(decoded.height, GetParam().spec.height);
    EXPECT_EQ(decoded.pixels, GetParam().bgra);
}

// A 3 x 3 picture whose pixels are all different, interlaced: each pass holds other pixels.
Bytes Numbered(int count, int channels) {
    Bytes samples;
    for (int i = 0; i < count * channels; ++i) samples.push_back(static_cast<std::uint8_t>(i * 9));
    return samples;
}
Bytes NumberedBgra(int count) {
    Bytes bgra;
    for (int i = 0; i < count; ++i)
        bgra.insert(bgra.end(),
                    {static_cast<std::uint8_t>((i * 3 + 2) * 9), static_cast<std::uint8_t>((i * 3 + 1) * 9),
                     static_cast<std::uint8_t>(i * 3 * 9), 0});
    return bgra;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PngKinds,
    ::testing::Values(
        KindCase{"RGB",
                 {2, 1, PNG_COLOR_TYPE_RGB, 8, false, {10, 20, 30, 40, 50, 60}, {}, {}},
                 {30, 20, 10, 0, 60, 50, 40, 0}},
        KindCase{"RGBA keeps alpha as stored",
                 {1, 2, PNG_COLOR_TYPE_RGBA, 8, false, {10, 20, 30, 0, 40, 50, 60, 128}, {}, {}},
                 {30, 20, 10, 0, 60, 50, 40, 128}},
        KindCase{"grey of one bit",
                 {3, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0xA0}, {}, {}},
                 {255, 255, 255, 0, 0, 0, 0, 0, 255, 255, 255, 0}},
        KindCase{"grey with alpha",
                 {1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {77, 200}, {}, {}},
                 {77, 77, 77, 200}},
        KindCase{"16 bits are rounded to 8",
                 {2,
                  1,
                  PNG_COLOR_TYPE_RGB,
                  16,
                  false,
                  {0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x81, 0xFF, 0x7F},
                  {},
                  {}},
                 {0, 128, 255, 0, 255, 1, 0, 0}},
        KindCase{"palette of 2 bits with transparency",
                 {4,
                  1,
                  PNG_COLOR_TYPE_PALETTE,
                  2,
                  false,
                  {0x1B},
                  {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9},
                  {0, 128}},
                 {0, 0, 255, 0, 0, 255, 0, 128, 255, 0, 0, 255, 9, 9, 9, 255}},
        KindCase{"interlaced", {3, 3, PNG_COLOR_TYPE_RGB, 8, true, Numbered(9, 3), {}, {}}, NumberedBgra(9)}),
    [](const ::testing::TestParamInfo<KindCase>& info) {
        std::string name;
        for (const char* c = info.param.rule; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(PngRefused, DamagedFilesAndOversizedHeadersWithTheirReason) {
    const std::string good = EncodePng({4, 4, PNG_COLOR_TYPE_RGB, 8, false, Numbered(16, 3), {}, {}});
    ASSERT_TRUE(Decode(good).result.ok());

    std::string badChecksum = good;
    badChecksum[ChunkOffset(good, "IDAT") + 9] ^= 0x55;
    EXPECT_EQ(Decode(badChecksum).result.problem, DecodeProblem::Damaged);

    EXPECT_EQ(Decode(good.substr(0, ChunkOffset(good, "IDAT") + 12)).result.problem, DecodeProblem::Damaged);
    EXPECT_EQ(Decode(good.substr(0, 20)).result.problem, DecodeProblem::Damaged);
    EXPECT_EQ(Decode("GIF89a and more").result.problem, DecodeProblem::Damaged);

    const Decoded outOfPalette =
        Decode(EncodePng({2, 1, PNG_COLOR_TYPE_PALETTE, 2, false, {0x30}, {1, 2, 3, 4, 5, 6}, {}}));
    EXPECT_EQ(outOfPalette.result.problem, DecodeProblem::Damaged);
    EXPECT_NE(outOfPalette.result.message.find("palette"), std::string::npos);

    // 20000 x 20000 and 16385 x 1: refused by their announced size, named in the message.
    const std::string huge =
        capture_testing::PatchChunk(good, 8, 0, std::string("\0\0\x4E\x20\0\0\x4E\x20", 8));
    const Decoded hugeDecoded = Decode(huge);
    EXPECT_EQ(hugeDecoded.result.problem, DecodeProblem::TooLarge);
    EXPECT_EQ(hugeDecoded.result.message, "20000 x 20000");
    const std::string wide =
        capture_testing::PatchChunk(good, 8, 0, std::string("\0\0\x40\x01\0\0\0\x01", 8));
    EXPECT_EQ(Decode(wide).result.problem, DecodeProblem::TooLarge);
    const std::string widest =
        capture_testing::PatchChunk(good, 8, 0, std::string("\0\0\x40\0\0\0\0\x01", 8));
    EXPECT_NE(Decode(widest).result.problem, DecodeProblem::TooLarge); // 16384 is allowed (its data is short)
}

} // namespace
