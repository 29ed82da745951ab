// PNG files written by the program read back to exactly the pixels they
// were made of, with their alpha when asked; the packing suits the picture.
#include "capture/PngEncoder.h"
#include "capture/PngReader.h"

#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Bgra(const std::vector<std::uint32_t>& argb) {
    Bytes bytes;
    for (const std::uint32_t p : argb)
        bytes.insert(bytes.end(),
                     {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), std::uint8_t(p >> 24)});
    return bytes;
}

Bytes ReadBack(const std::string& file, int width, int height, bool& alpha) {
    capture::PngReader reader(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    EXPECT_TRUE(reader.ReadHeader().ok());
    EXPECT_EQ(reader.Width(), width);
    EXPECT_EQ(reader.Height(), height);
    Bytes pixels(static_cast<size_t>(width) * height * 4);
    EXPECT_TRUE(reader.ReadPixels(pixels.data()).ok());
    alpha = reader.HasAlpha();
    return pixels;
}

TEST(PngEncoder, ReadsBackToTheSamePixelsWithAlphaOnlyWhenAsked) {
    constexpr int kWidth = 97, kHeight = 61;
    std::vector<std::uint32_t> argb = capture_testing::TestPixels(kWidth, kHeight, 4);
    for (size_t i = 0; i < argb.size(); ++i) argb[i] |= static_cast<std::uint32_t>(i * 7 % 256) << 24;
    const Bytes pixels = Bgra(argb);
    const capture::PixelRows rows{kWidth, kHeight, kWidth * 4, pixels.data()};

    bool alpha = false;
    EXPECT_EQ(ReadBack(capture::EncodePng(rows, true), kWidth, kHeight, alpha), pixels);
    EXPECT_TRUE(alpha);

    Bytes opaque = pixels;
    for (size_t i = 3; i < opaque.size(); i += 4) opaque[i] = 0;
    EXPECT_EQ(ReadBack(capture::EncodePng(rows, false), kWidth, kHeight, alpha), opaque)
        << "the fourth byte is left out";
    EXPECT_FALSE(alpha);
}

TEST(PngEncoder, PacksFlatPicturesHardAndPhotosQuickly) {
    const std::vector<std::uint32_t> photo = capture_testing::TestPixels(200, 100, 2);
    const Bytes photoBytes = Bgra(photo);
    EXPECT_EQ(capture::ChoosePngPacking({200, 100, 800, photoBytes.data()}), capture::PngPacking::Quick);

    std::vector<std::uint32_t> screen(200 * 100, 0xF0F0F0);
    for (int x = 0; x < 200; x += 9) screen[50 * 200 + x] = 0x202020; // a line of "text"
    const Bytes screenBytes = Bgra(screen);
    EXPECT_EQ(capture::ChoosePngPacking({200, 100, 800, screenBytes.data()}), capture::PngPacking::Hard);
}

TEST(PngEncoder, AnEmptyPictureOrAFailingSinkIsAnError) {
    EXPECT_THROW(capture::EncodePng({0, 0, 0, nullptr}, false), std::runtime_error);
    const Bytes pixels(64 * 64 * 4, 0x55);
    EXPECT_THROW(
        capture::EncodePng({64, 64, 256, pixels.data()}, false,
                           [](const std::uint8_t*, std::size_t) { throw std::runtime_error("disk full"); }),
        std::runtime_error);
}

} // namespace
