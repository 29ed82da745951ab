// WebP files written by the program read back to the pixels they were made
// of (exactly when lossless, closely when lossy, closer at a higher
// quality); files from other programs are read whole, an animation as its
// first picture, and damaged ones are refused.
#include "capture/WebpEncoder.h"
#include "capture/WebpReader.h"

#include "DecodeTestSupport.h"
#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;
using capture::DecodeProblem;
using capture_testing::Decoded;

Decoded Decode(const std::string& file) {
    return capture_testing::DecodeWith<capture::WebpReader>(file);
}

// Blue, green, red, alpha: the photo-like pixels with an alpha of their own.
Bytes TestBgra(int width, int height, bool alpha) {
    Bytes bytes;
    const std::vector<std::uint32_t> rgb = capture_testing::TestPixels(width, height, 5);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        bytes.insert(bytes.end(),
                     {std::uint8_t(rgb[i]), std::uint8_t(rgb[i] >> 8), std::uint8_t(rgb[i] >> 16),
                      alpha ? std::uint8_t(i * 7 % 256) : std::uint8_t(0)});
    return bytes;
}

double MeanDifference(const Bytes& a, const Bytes& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (i % 4 != 3) sum += std::abs(a[i] - b[i]);
    return sum / (a.size() * 3 / 4);
}

constexpr int kWidth = 97, kHeight = 61;

TEST(WebpCodec, LosslessReadsBackToTheSamePixelsWithAlphaOnlyWhenAsked) {
    for (const bool alpha : {true, false}) {
        const Bytes pixels = TestBgra(kWidth, kHeight, alpha);
        const capture::PixelRows rows{kWidth, kHeight, kWidth * 4, pixels.data()};
        const Decoded decoded = Decode(capture::EncodeWebp(rows, alpha, {true, 75}));
        ASSERT_TRUE(decoded.result.ok()) << decoded.result.message;
        EXPECT_EQ(decoded.width, kWidth);
        EXPECT_EQ(decoded.height, kHeight);
        EXPECT_EQ(decoded.pixels, pixels) << (alpha ? "with alpha" : "without alpha: the fourth byte is 0");
    }
}

TEST(WebpCodec, LossyIsCloserAndLargerAtAHigherQuality) {
    const Bytes pixels = TestBgra(kWidth, kHeight, false);
    const capture::PixelRows rows{kWidth, kHeight, kWidth * 4, pixels.data()};
    const std::string low = capture::EncodeWebp(rows, false, {false, 20});
    const std::string high = capture::EncodeWebp(rows, false, {false, 95});
    EXPECT_EQ(low.substr(12, 4), "VP8 ");
    EXPECT_LT(low.size(), high.size());
    const Decoded lowRead = Decode(low), highRead = Decode(high);
    ASSERT_TRUE(lowRead.result.ok() && highRead.result.ok());
    EXPECT_LT(MeanDifference(highRead.pixels, pixels), MeanDifference(lowRead.pixels, pixels));
    EXPECT_LT(MeanDifference(highRead.pixels, pixels), 3.0);
}

TEST(WebpCodec, RefusesWhatAWebpCannotHoldAndHandsOnTheSinksFailure) {
    const Bytes wide(static_cast<std::size_t>(capture::kMaxWebpSide + 1) * 4);
    EXPECT_THROW(
        capture::EncodeWebp(
            {capture::kMaxWebpSide + 1, 1, static_cast<std::ptrdiff_t>(wide.size()), wide.data()}, false, {}),
        std::runtime_error);
    const Bytes pixels = TestBgra(8, 8, false);
    const capture::PixelRows rows{8, 8, 32, pixels.data()};
    EXPECT_THROW(capture::EncodeWebp(rows, false, {false, 101}), std::runtime_error);
    EXPECT_THROW(
        capture::EncodeWebp(rows, false, {},
                            [](const std::uint8_t*, std::size_t) { throw std::logic_error("disk full"); }),
        std::logic_error);
}

// Two frames of 4 x 2, red then blue (img2webp -lossless).
const unsigned char kAnimation[] = {
    0x52, 0x49, 0x46, 0x46, 0x84, 0x00, 0x00, 0x00, 0x57, 0x45, 0x42, 0x50, 0x56, 0x50, 0x38, 0x58,
    0x0a, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00, 0x41, 0x4e,
    0x49, 0x4d, 0x06, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x41, 0x4e, 0x4d, 0x46,
    0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00,
    0x64, 0x00, 0x00, 0x02, 0x56, 0x50, 0x38, 0x4c, 0x0f, 0x00, 0x00, 0x00, 0x2f, 0x03, 0x40, 0x00,
    0x00, 0x07, 0x10, 0xfd, 0x8f, 0xfe, 0x07, 0x22, 0xa2, 0xff, 0x01, 0x00, 0x41, 0x4e, 0x4d, 0x46,
    0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00,
    0x64, 0x00, 0x00, 0x00, 0x56, 0x50, 0x38, 0x4c, 0x0f, 0x00, 0x00, 0x00, 0x2f, 0x03, 0x40, 0x00,
    0x00, 0x07, 0x10, 0xd1, 0xff, 0xfe, 0x07, 0x22, 0xa2, 0xff, 0x01, 0x00};

TEST(WebpReader, AnAnimationGivesItsFirstPictureAndTheClipboardsBlockMayBeLonger) {
    const std::string file(reinterpret_cast<const char*>(kAnimation), sizeof kAnimation);
    const std::string block = file + std::string(40, '\0');
    const Decoded decoded = Decode(block);
    ASSERT_TRUE(decoded.result.ok()) << decoded.result.message;
    ASSERT_EQ(decoded.width * decoded.height, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Bytes(decoded.pixels.begin() + i * 4, decoded.pixels.begin() + i * 4 + 4),
                  Bytes({0, 0, 255, 0}))
            << "pixel " << i << " is the first frame's red";
    capture::WebpReader reader(reinterpret_cast<const std::uint8_t*>(block.data()), block.size());
    ASSERT_TRUE(reader.ReadHeader().ok());
    EXPECT_EQ(reader.FileSize(), file.size());
}

struct DamagedCase {
    const char* rule;
    std::string file;
    DecodeProblem problem;
};
void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.rule;
}

class DamagedWebp : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedWebp, IsRefused) {
    EXPECT_EQ(Decode(GetParam().file).result.problem, GetParam().problem);
}

std::string Lossy() {
    const Bytes pixels = TestBgra(40, 30, false);
    return capture::EncodeWebp({40, 30, 160, pixels.data()}, false, {});
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedWebp,
    ::testing::Values(
        DamagedCase{"empty", "", DecodeProblem::Damaged},
        DamagedCase{"not RIFF", "RIFX" + Lossy().substr(4), DecodeProblem::Damaged},
        DamagedCase{"cut short", Lossy().substr(0, Lossy().size() - 9), DecodeProblem::Damaged},
        DamagedCase{"its data overwritten", Lossy().substr(0, 40) + std::string(Lossy().size() - 40, '\x55'),
                    DecodeProblem::Damaged},
        DamagedCase{"an animation cut in its second frame",
                    std::string(reinterpret_cast<const char*>(kAnimation), sizeof kAnimation - 10),
                    DecodeProblem::Damaged}));

} // namespace
