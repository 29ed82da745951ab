// The JPEG encoder: what libjpeg-turbo makes of a picture's rows, read back
// from the file's markers and by decoding it.
#include "capture/JpegEncoder.h"

#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace capture_testing;

namespace {

// Test pixels as the program holds them: 0x00RRGGBB words are blue, green,
// red, unused bytes on the little-endian machines the program runs on.
struct Rows {
    Rows(int width, int height, std::ptrdiff_t padding = 0)
        : width(width), height(height), stride(width * 4 + padding),
          bytes(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0xA5) {
        const std::vector<std::uint32_t> pixels = TestPixels(width, height);
        for (int y = 0; y < height; ++y)
            std::memcpy(&bytes[static_cast<std::size_t>(y * stride)],
                        &pixels[static_cast<std::size_t>(y * width)], static_cast<std::size_t>(width) * 4);
    }
    capture::PixelRows View() const { return {width, height, stride, bytes.data()}; }
    // The same picture read from the last row up.
    capture::PixelRows BottomUpView() const {
        return {width, height, -stride, bytes.data() + (height - 1) * stride};
    }

    int width, height;
    std::ptrdiff_t stride;
    std::vector<std::uint8_t> bytes;
};

struct Decoded {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgrx;
};

// libjpeg's own decoder (its default error handler ends a broken test run).
Decoded Decode(const std::string& jpeg) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    Decoded decoded{static_cast<int>(info.output_width), static_cast<int>(info.output_height), {}};
    decoded.bgrx.resize(static_cast<std::size_t>(decoded.width) * static_cast<std::size_t>(decoded.height) *
                        4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &decoded.bgrx[static_cast<std::size_t>(info.output_scanline) * decoded.width * 4];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return decoded;
}

// Mean difference per colour channel.
double MeanError(const Rows& rows, const Decoded& decoded) {
    double sum = 0;
    for (int y = 0; y < rows.height; ++y)
        for (int x = 0; x < rows.width; ++x)
            for (int c = 0; c < 3; ++c)
                sum += std::abs(rows.bytes[static_cast<std::size_t>(y * rows.stride + x * 4 + c)] -
                                decoded.bgrx[static_cast<std::size_t>((y * rows.width + x) * 4 + c)]);
    return sum / (3.0 * rows.width * rows.height);
}

TEST(JpegEncoder, KeepsColourAtFullResolutionAndQuality100SetsEveryStepToOne) {
    const Rows rows(333, 177); // not a multiple of the 8 x 8 blocks
    struct Case {
        int quality;
        std::size_t stepsOfOne;
        double largestMeanError;
    };
    for (const Case& test : {Case{100, 128, 1.0}, Case{75, 0, 4.0}, Case{1, 0, 60.0}}) {
        SCOPED_TRACE(test.quality);
        const std::string jpeg = capture::EncodeJpeg(rows.View(), test.quality);
        const JpegHeader header = ReadJpegHeader(jpeg);
        EXPECT_TRUE(header.baseline);
        EXPECT_EQ(header.samplingFactors, (std::vector<int>{0x11, 0x11, 0x11}));
        ASSERT_EQ(header.quantisationSteps.size(), 128u); // one table for brightness, one for colour
        EXPECT_EQ(std::count(header.quantisationSteps.begin(), header.quantisationSteps.end(), 1),
                  static_cast<std::ptrdiff_t>(test.stepsOfOne));
        const Decoded decoded = Decode(jpeg);
        ASSERT_EQ(decoded.width, 333);
        ASSERT_EQ(decoded.height, 177);
        EXPECT_LT(MeanError(rows, decoded), test.largestMeanError);
    }
}

TEST(JpegEncoder, ReadsRowsByTheirStrideInEitherDirection) {
    const Rows packed(123, 45), padded(123, 45, 20);
    const std::string expected = capture::EncodeJpeg(packed.View(), 90);
    EXPECT_EQ(capture::EncodeJpeg(padded.View(), 90), expected) << "the padding between rows was encoded";
    Rows upsideDown(123, 45);
    for (int y = 0; y < 45; ++y)
        std::memcpy(&upsideDown.bytes[static_cast<std::size_t>(y * upsideDown.stride)],
                    &packed.bytes[static_cast<std::size_t>((44 - y) * packed.stride)], 123 * 4);
    EXPECT_EQ(capture::EncodeJpeg(upsideDown.BottomUpView(), 90), expected);
}

TEST(JpegEncoder, HandsTheFileOnInPiecesThatMakeTheWholeFile) {
    const Rows rows(1200, 800);
    std::string joined;
    int pieces = 0;
    capture::EncodeJpeg(rows.View(), 100, [&](const std::uint8_t* data, std::size_t size) {
        ++pieces;
        joined.append(reinterpret_cast<const char*>(data), size);
    });
    EXPECT_GT(pieces, 2);
    EXPECT_EQ(joined, capture::EncodeJpeg(rows.View(), 100));
}

TEST(JpegEncoder, AFailingSinkEndsTheEncodingWithItsOwnError) {
    struct DiskFull {};
    const Rows rows(1200, 800);
    int pieces = 0;
    // The leak checker of the native build sees whether the compressor is freed.
    EXPECT_THROW(capture::EncodeJpeg(rows.View(), 100,
                                     [&](const std::uint8_t*, std::size_t) {
                                         if (++pieces == 2) throw DiskFull{};
                                     }),
                 DiskFull);
    EXPECT_EQ(pieces, 2) << "the encoding went on after the sink failed";
}

TEST(JpegEncoder, RefusesWhatItCannotEncode) {
    const Rows small(8, 8);
    const std::vector<std::uint8_t> wide(static_cast<std::size_t>(capture::kMaxJpegSide + 1) * 4);
    const struct {
        const char* what;
        capture::PixelRows rows;
        int quality;
    } cases[] = {
        {"no pixels", {8, 8, 32, nullptr}, 100},
        {"no width", {0, 8, 32, small.bytes.data()}, 100},
        {"negative height", {8, -1, 32, small.bytes.data()}, 100},
        {"rows shorter than the width", {8, 8, 28, small.bytes.data()}, 100},
        {"too wide", {capture::kMaxJpegSide + 1, 1, 0, wide.data()}, 100},
        {"too high", {1, capture::kMaxJpegSide + 1, 4, wide.data()}, 100},
        {"quality 0", small.View(), 0},
        {"quality 101", small.View(), 101},
    };
    for (const auto& test : cases)
        EXPECT_THROW(capture::EncodeJpeg(test.rows, test.quality), std::runtime_error) << test.what;
    const capture::PixelRows widest{capture::kMaxJpegSide, 1, capture::kMaxJpegSide * 4, wide.data()};
    EXPECT_EQ(Decode(capture::EncodeJpeg(widest, 100)).width, capture::kMaxJpegSide);
}

} // namespace
