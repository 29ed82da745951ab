#include "capture/BitmapFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::uint32_t Read32(const std::string& file, size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(file[at + static_cast<size_t>(i)]);
    return value;
}

std::uint16_t Read16(const std::string& file, size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(file[at]) |
                                      (static_cast<std::uint8_t>(file[at + 1]) << 8));
}

} // namespace

TEST(BitmapFile, HeadersDescribeA24BitBottomUpBitmap) {
    const std::vector<std::uint8_t> pixels(3 * 2 * 4, 0);
    const std::string file = capture::EncodeBitmapFile(3, 2, pixels.data());
    // 3 pixels of 3 bytes = 9, padded to 12 per row.
    ASSERT_EQ(file.size(), 14u + 40u + 24u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(Read32(file, 2), file.size());
    EXPECT_EQ(Read32(file, 10), 54u) << "pixels right after the two headers";
    EXPECT_EQ(Read32(file, 14), 40u);
    EXPECT_EQ(Read32(file, 18), 3u);
    EXPECT_EQ(Read32(file, 22), 2u) << "positive height: rows bottom to top";
    EXPECT_EQ(Read16(file, 26), 1u);
    EXPECT_EQ(Read16(file, 28), 24u);
    EXPECT_EQ(Read32(file, 30), 0u) << "uncompressed";
    EXPECT_EQ(Read32(file, 34), 24u);
}

TEST(BitmapFile, RowsAreStoredBottomUpInBlueGreenRedWithZeroPadding) {
    // Top row: red, green; bottom row: blue, white. Pixels are B, G, R, unused.
    const std::vector<std::uint8_t> pixels{0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9, 255, 255, 255, 9};
    const std::string file = capture::EncodeBitmapFile(2, 2, pixels.data());
    const std::string rows = file.substr(54);
    const std::string expected("\xFF\x00\x00"
                               "\xFF\xFF\xFF"
                               "\x00\x00" // bottom row first
                               "\x00\x00\xFF"
                               "\x00\xFF\x00"
                               "\x00\x00",
                               16);
    EXPECT_EQ(rows, expected);
}

TEST(BitmapFile, RefusesAnEmptyPicture) {
    const std::uint8_t pixel[4] = {};
    EXPECT_THROW(capture::EncodeBitmapFile(0, 1, pixel), std::invalid_argument);
    EXPECT_THROW(capture::EncodeBitmapFile(1, 0, pixel), std::invalid_argument);
    EXPECT_THROW(capture::EncodeBitmapFile(1, 1, nullptr), std::invalid_argument);
}

TEST(BitmapFile, RefusesAPictureBeyondTheFormatsSizes) {
    const std::uint8_t pixel[4] = {};
    // Checked before any pixel is read.
    EXPECT_THROW(capture::EncodeBitmapFile(40000, 40000, pixel), std::length_error);
}
