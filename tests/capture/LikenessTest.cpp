// Telling nearly the same pictures from others, and the pictures saved
// lately that a new one is held against.
#include "capture/Likeness.h"
#include "capture/JfifReader.h"
#include "capture/JpegEncoder.h"
#include "catcher/RecentSaves.h"

#include "DecodeTestSupport.h"
#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Pixels {
    int width, height;
    Bytes bgrx;
    capture::PixelRows Rows() const {
        return {width, height, static_cast<std::ptrdiff_t>(width) * 4, bgrx.data()};
    }
};

Pixels Photo(int width, int height, unsigned seed = 1) {
    const std::vector<std::uint32_t> pixels = capture_testing::TestPixels(width, height, seed);
    Pixels photo{width, height, Bytes(pixels.size() * 4)};
    std::memcpy(photo.bgrx.data(), pixels.data(), photo.bgrx.size());
    return photo;
}

Pixels Mirrored(Pixels photo) {
    for (int y = 0; y < photo.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(photo.bgrx.data() + static_cast<size_t>(y) * photo.width * 4);
        std::reverse(row, row + photo.width);
    }
    return photo;
}

Pixels Halved(const Pixels& photo) {
    Pixels half{photo.width / 2, photo.height / 2, {}};
    half.bgrx.resize(static_cast<size_t>(half.width) * half.height * 4);
    capture::ScaleDown(photo.Rows(), half.width, half.height, half.bgrx.data());
    return half;
}

Pixels ThroughJpeg(const Pixels& photo, int quality) {
    const auto decoded =
        capture_testing::DecodeWith<capture::JfifReader>(capture::EncodeJpeg(photo.Rows(), quality));
    return {decoded.width, decoded.height, decoded.pixels};
}

} // namespace

TEST(Likeness, NearlyTheSameAfterSmallChangesAndNotForAnotherPicture) {
    const Pixels photo = Photo(640, 480);
    const std::uint64_t original = *capture::LikenessOf(photo.Rows());
    Pixels onePixel = photo;
    onePixel.bgrx[4 * (240 * 640 + 320)] ^= 0xFF;
    struct Case {
        const char* what;
        Pixels pixels;
        bool nearlySame;
    };
    for (const Case& c :
         {Case{"one pixel changed", onePixel, true},
          Case{"saved again as JPEG 75", ThroughJpeg(photo, 75), true},
          Case{"at half the size", Halved(photo), true}, Case{"mirrored", Mirrored(photo), false}}) {
        const std::optional<std::uint64_t> likeness = capture::LikenessOf(c.pixels.Rows());
        ASSERT_TRUE(likeness) << c.what;
        EXPECT_EQ(capture::NearlySame(original, *likeness), c.nearlySame)
            << c.what << ": " << capture::LikenessDistance(original, *likeness) << " bits apart";
    }
    EXPECT_FALSE(capture::LikenessOf(Photo(8, 8).Rows())) << "no 9 x 8 reduction of a smaller picture";
}

TEST(RecentSaves, AnswersTheLatestOfTheLastTwentyThatResembles) {
    catcher::RecentSaves recent;
    const std::uint64_t look = 0xF0F0F0F0F0F0F0F0u;
    recent.Add(look, "first.jpg");
    for (int i = 0; i < 19; ++i) recent.Add(~look, "other" + std::to_string(i) + ".jpg");
    EXPECT_EQ(recent.Resembled(look ^ 0x7), "first.jpg") << "three bits apart, twenty saves kept";
    recent.Add(look ^ 0x1, "latest.jpg");
    EXPECT_EQ(recent.Resembled(look), "latest.jpg");
    recent.Add(~look, "one more.jpg");
    recent.Add(~look, "and another.jpg");
    EXPECT_EQ(recent.Resembled(look), "latest.jpg") << "the first fell out, the latest stays";
    for (int i = 0; i < 20; ++i) recent.Add(~look, "new" + std::to_string(i) + ".jpg");
    EXPECT_EQ(recent.Resembled(look), std::nullopt);
}
