// The notification window's pictures match its layout.
#include "notify/NotificationArt.h"
#include "notify/NotificationLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using notify::PixelArt;
using notify::layout::Px;

int Brightness(std::uint32_t p) {
    return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
}

TEST(NotificationArt, PicturesHaveTheirDesignSizes) {
    const PixelArt background = notify::BackgroundArt();
    EXPECT_EQ(background.width, 211);
    EXPECT_EQ(background.height, 202);
    EXPECT_EQ(background.pixels.size(), 211u * 202u);
    for (const PixelArt& icon : {notify::CloseArt(background), notify::DecorationArt(background)}) {
        EXPECT_EQ(icon.width, 16);
        EXPECT_EQ(icon.height, 16);
        EXPECT_EQ(icon.pixels.size(), 256u);
    }
}

TEST(NotificationArt, ThumbnailWellIsOutlinedRoundTheThumbnail) {
    const PixelArt art = notify::BackgroundArt();
    const int left = Px(notify::layout::kThumbnail.left), top = Px(notify::layout::kThumbnail.top);
    const int right = left + Px(notify::layout::kThumbnail.width);
    const int bottom = top + Px(notify::layout::kThumbnail.height);
    const std::uint32_t outline = art.At(left - 1, top + 10);
    EXPECT_EQ(art.At(right, top + 10), outline);
    EXPECT_EQ(art.At(left + 10, top - 1), outline);
    EXPECT_EQ(art.At(left + 10, bottom), outline);
    EXPECT_NE(art.At(left, top + 10), outline) << "the thumbnail itself is inside the outline";
    EXPECT_NE(art.At(left - 2, top + 10), outline);
}

TEST(NotificationArt, FaceIsLightForTheBlackSizeTextBelowADarkAccentBar) {
    const PixelArt art = notify::BackgroundArt();
    const int labelY = Px(notify::layout::kResolution.top) + 5;
    for (int x : {10, 105, 200}) EXPECT_GT(Brightness(art.At(x, labelY)), 3 * 200);
    for (int x : {10, 105, 200}) EXPECT_LT(Brightness(art.At(x, 2)), 3 * 160) << "accent bar at the top";
    const int closeRight = Px(notify::layout::kCloseLeft) + notify::layout::kIconPx;
    EXPECT_LT(closeRight, art.width) << "the close image lies inside the window";
}

TEST(NotificationArt, OutlineRunsRoundTheVisibleClientArea) {
    const PixelArt art = notify::BackgroundArt();
    const int lastRow = Px(notify::layout::kClientHeight) - 1;
    const std::uint32_t edge = art.At(0, 100);
    EXPECT_EQ(art.At(art.width - 1, 100), edge);
    EXPECT_EQ(art.At(100, lastRow), edge);
    EXPECT_NE(art.At(100, lastRow - 1), edge);
}

TEST(NotificationArt, IconsAreDrawnOverTheBackgroundTheySitOn) {
    const PixelArt background = notify::BackgroundArt();
    const PixelArt close = notify::CloseArt(background);
    const int closeX = Px(notify::layout::kCloseLeft), closeY = Px(notify::layout::kCloseTop);
    EXPECT_EQ(close.At(0, 0), background.At(closeX, closeY)) << "corners outside the disc show the band";
    EXPECT_EQ(close.At(8, 8), notify::Rgb(255, 255, 255)) << "the cross meets in the middle";
    EXPECT_GT((close.At(8, 3) >> 16) & 0xFF, 150u) << "a red disc round the cross";

    const PixelArt pencil = notify::DecorationArt(background);
    const int decoX = Px(notify::layout::kDecorationLeft), decoY = Px(notify::layout::kDecorationTop);
    EXPECT_EQ(pencil.At(0, 0), background.At(decoX, decoY)) << "the upper left corner stays background";
    EXPECT_EQ(pencil.At(15, 15), background.At(decoX + 15, decoY + 15));
    std::set<std::uint32_t> colours(pencil.pixels.begin(), pencil.pixels.end());
    EXPECT_GT(colours.size(), 10u) << "a drawn pencil, not a plain square";
}

} // namespace
