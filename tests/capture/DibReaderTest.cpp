// Clipboard bitmaps from any program: what the reader takes, what it refuses,
// and the pixels it makes of them.
#include "capture/DibReader.h"
#include "capture/PixelRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    std::memcpy(&bytes[at], &value, 4);
}

// A header of `size` bytes (40 or 124) followed by `rest`.
Bytes Dib(int width, int height, int bits, std::uint32_t compression, const Bytes& rest,
          std::uint32_t size = 40, std::uint32_t coloursUsed = 0) {
    Bytes dib(size);
    Put32(dib, 0, size);
    Put32(dib, 4, static_cast<std::uint32_t>(width));
    Put32(dib, 8, static_cast<std::uint32_t>(height));
    dib[12] = 1;
    dib[14] = static_cast<std::uint8_t>(bits);
    Put32(dib, 16, compression);
    Put32(dib, 32, coloursUsed);
    dib.insert(dib.end(), rest.begin(), rest.end());
    return dib;
}

// A version 5 header with bit fields and an alpha mask, then the pixels.
Bytes AlphaDib(int width, int height, const Bytes& pixels) {
    Bytes dib = Dib(width, height, 32, 3, pixels, 124);
    Put32(dib, 40, 0xFF0000);
    Put32(dib, 44, 0xFF00);
    Put32(dib, 48, 0xFF);
    Put32(dib, 52, 0xFF000000);
    return dib;
}

// The picture as "BBGGRR" per pixel, top row first.
std::string Read(const Bytes& dib) {
    capture::DibLayout layout;
    const capture::DibProblem problem = capture::ReadDibLayout(dib.data(), dib.size(), layout);
    if (problem != capture::DibProblem::None) return "refused " + std::to_string(static_cast<int>(problem));
    Bytes out(static_cast<std::size_t>(layout.width) * layout.height * 4, 0xEE);
    capture::ConvertDibPixels(dib.data(), layout, out.data());
    std::string text;
    char hex[8];
    for (std::size_t i = 0; i < out.size(); i += 4) {
        EXPECT_EQ(out[i + 3], 0) << "the unused byte is cleared";
        std::snprintf(hex, sizeof hex, "%02X%02X%02X ", out[i], out[i + 1], out[i + 2]);
        text += hex;
    }
    return text;
}

TEST(DibReader, ReadsEveryDepthAndOrientation) {
    const Bytes twoColours{0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00}; // red, blue
    const struct {
        const char* what;
        Bytes dib;
        std::string pixels;
    } cases[] = {
        {"24 bits, bottom-up rows", Dib(1, 2, 24, 0, {1, 2, 3, 0, 4, 5, 6, 0}), "040506 010203 "},
        {"24 bits, a row without padding ends the data",
         Dib(4, 1, 24, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), "010203 040506 070809 0A0B0C "},
        {"32 bits, top-down rows", Dib(2, -1, 32, 0, {1, 2, 3, 9, 4, 5, 6, 9}), "010203 040506 "},
        {"8 bits, two colours used", Dib(2, 1, 8, 0, Join(twoColours, {1, 0, 0, 0}), 40, 2),
         "FF0000 0000FF "},
        {"index beyond the colours is black", Dib(1, 1, 8, 0, Join(twoColours, {7, 0, 0, 0}), 40, 2),
         "000000 "},
        {"1 bit", Dib(3, 1, 1, 0, Join(twoColours, {0b01000000, 0, 0, 0})), "0000FF FF0000 0000FF "},
        {"16 bits, 5-5-5", Dib(1, 1, 16, 0, {0x1F, 0x7C, 0, 0}), "FF00FF "},
        {"16 bits, 5-6-5 fields",
         Dib(1, 1, 16, 3, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0, 0x00, 0xF8, 0, 0}), "0000FF "},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.dib), c.pixels) << c.what;
}

TEST(DibReader, RefusesHeadersThatLieAboutTheirData) {
    Bytes hugeHeader = Dib(4, 4, 24, 0, Bytes(48));
    Put32(hugeHeader, 0, 0xFFFFFFFF);
    const struct {
        const char* what;
        Bytes dib;
        capture::DibProblem problem;
    } cases[] = {
        {"header size 0xFFFFFFFF", hugeHeader, capture::DibProblem::BadHeader},
        {"more rows than data", Dib(1000, 1000, 24, 0, Bytes(300)), capture::DibProblem::PixelsMissing},
        {"colour table past the end", Dib(2, 2, 8, 0, Bytes(64), 40, 4000),
         capture::DibProblem::PixelsMissing},
        {"60000 x 60000", AlphaDib(60000, 60000, Bytes(64)), capture::DibProblem::TooLarge},
        {"no width", Dib(0, 1, 24, 0, Bytes(4)), capture::DibProblem::BadHeader},
        {"run-length coded", Dib(2, 2, 8, 1, Bytes(2048)), capture::DibProblem::Unsupported},
        {"short of a header", Bytes(39), capture::DibProblem::BadHeader},
    };
    for (const auto& c : cases) {
        capture::DibLayout layout;
        EXPECT_EQ(capture::ReadDibLayout(c.dib.data(), c.dib.size(), layout), c.problem) << c.what;
    }
}

TEST(DibReader, MeaningfulAlphaIsComposedOverWhiteAndMeaninglessAlphaIgnored) {
    // Straight alpha: red fully transparent, half-transparent black, opaque blue.
    EXPECT_EQ(Read(AlphaDib(3, 1, {0, 0, 255, 0, 0, 0, 0, 128, 255, 0, 0, 255})), "FFFFFF 7F7F7F FF0000 ");
    // Premultiplied (no colour above its alpha): half-transparent red.
    EXPECT_EQ(Read(AlphaDib(2, 1, {0, 0, 128, 128, 0, 0, 255, 255})), "7F7FFF 0000FF ");
    // All alpha 0, or all 255: the program ignored alpha, the colours stand.
    EXPECT_EQ(Read(AlphaDib(2, 1, {1, 2, 3, 0, 4, 5, 6, 0})), "010203 040506 ");
    EXPECT_EQ(Read(AlphaDib(1, 1, {1, 2, 3, 255})), "010203 ");
}

TEST(PixelRows, FingerprintTellsPicturesApartAndScaleDownAverages) {
    const Bytes a{10, 20, 30, 0, 50, 60, 70, 0}, b{10, 20, 30, 0, 50, 60, 71, 0},
        unused{10, 20, 30, 9, 50, 60, 70, 7};
    const auto print = [](const Bytes& p, int w, int h) {
        return capture::Fingerprint({w, h, w * 4, p.data()});
    };
    EXPECT_EQ(print(a, 2, 1), print(unused, 2, 1)) << "the unused byte does not count";
    EXPECT_NE(print(a, 2, 1), print(b, 2, 1));
    EXPECT_NE(print(a, 2, 1), print(a, 1, 2)) << "the size counts";
    Bytes one(4);
    capture::ScaleDown({2, 1, 8, a.data()}, 1, 1, one.data());
    EXPECT_EQ(one, (Bytes{30, 40, 50, 0}));
}

} // namespace
