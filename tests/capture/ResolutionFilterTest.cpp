#include "capture/ResolutionFilter.h"

#include <gtest/gtest.h>

#include <optional>

using capture::MinimumResolution;

TEST(StandardMinimum, FiveFixedSizesAndNothingElse) {
    const int expected[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
    for (int option = 1; option <= 5; ++option) {
        const std::optional<MinimumResolution> minimum = capture::StandardMinimum(option);
        ASSERT_TRUE(minimum) << option;
        EXPECT_EQ(minimum->width, expected[option - 1][0]);
        EXPECT_EQ(minimum->height, expected[option - 1][1]);
    }
    EXPECT_FALSE(capture::StandardMinimum(0));
    EXPECT_FALSE(capture::StandardMinimum(6));
}

TEST(ReachesMinimum, BothSidesMustReachAndEqualityPasses) {
    const MinimumResolution vga{640, 480};
    EXPECT_TRUE(capture::ReachesMinimum(640, 480, vga));
    EXPECT_FALSE(capture::ReachesMinimum(639, 480, vga));
    EXPECT_FALSE(capture::ReachesMinimum(640, 479, vga));
    EXPECT_FALSE(capture::ReachesMinimum(480, 640, vga)) << "width is compared with width";
    EXPECT_TRUE(capture::ReachesMinimum(1, 1, {0.5, 1}));
    EXPECT_FALSE(capture::ReachesMinimum(800, 600, {800.5, 600}))
        << "a fractional minimum is compared as such";
    EXPECT_TRUE(capture::ReachesMinimum(1, 1, {-5, -5}));
}

TEST(PixelCount16, RoundsToNearestEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(capture::PixelCount16(640.0), 640);
    EXPECT_EQ(capture::PixelCount16(32767.0), 32767);
    EXPECT_EQ(capture::PixelCount16(639.4), 639);
    EXPECT_EQ(capture::PixelCount16(2.5), 2);
    EXPECT_EQ(capture::PixelCount16(3.5), 4);
    EXPECT_FALSE(capture::PixelCount16(32768.0));
    EXPECT_FALSE(capture::PixelCount16(1e9));
    EXPECT_EQ(capture::PixelCount16(-32768.0), -32768);
    EXPECT_FALSE(capture::PixelCount16(-32769.0));
}
