// The close counter's text and the end of the slide-in.
#include "notify/NotificationRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct CounterCase {
    const char* text;
    long value;
};

TEST(CloseCounter, ReadsTheLeadingDecimalNumberAndZeroWithoutOne) {
    constexpr long kMax = std::numeric_limits<long>::max();
    const CounterCase cases[] = {
        {"0", 0},
        {"6", 6},
        {"7", 7},
        {"12", 12},
        {"", 0},
        {"  7", 7},
        {"7 ", 7},
        {"7x", 7},
        {"x7", 0},
        {"-3", -3},
        {"+4", 4},
        {"-", 0},
        {"007", 7},
        {"3.9", 3},
        {"\t5", 5},
        {"1e3", 1},
        {"99999999999999999999999", kMax},
    };
    for (const CounterCase& c : cases)
        EXPECT_EQ(notify::CounterValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(CloseCounter, EachSecondAddsOneAndWritesPlainDecimals) {
    EXPECT_EQ(notify::NextCounterText("0"), "1");
    EXPECT_EQ(notify::NextCounterText("6"), "7");
    EXPECT_EQ(notify::NextCounterText("9"), "10");
    EXPECT_EQ(notify::NextCounterText(""), "1");
    EXPECT_EQ(notify::NextCounterText(" 06"), "7");
    const std::string max = std::to_string(std::numeric_limits<long>::max());
    EXPECT_EQ(notify::NextCounterText(max), max) << "the count never wraps round";
}

TEST(SlideIn, StopsAtTheFirstStepAtOrAboveTheWorkAreaBottomMinusWindowHeightMinus200) {
    constexpr int screen = 15360, window = 2940;
    const notify::Area full{0, 0, 19200, screen};
    EXPECT_EQ(notify::ShowingTarget(screen, window), 15360 - 2940 - 200);
    EXPECT_TRUE(notify::SlideGoesOn(screen, full, window)) << "parked: the slide goes on";
    EXPECT_TRUE(notify::SlideGoesOn(12221, full, window));
    EXPECT_FALSE(notify::SlideGoesOn(12220, full, window)) << "exactly at the target ends it";
    EXPECT_FALSE(notify::SlideGoesOn(12100, full, window));
}

struct PlaceCase {
    const char* taskbar;
    notify::Area workArea;
    int left, top;
};

// A 1280 x 1024 screen (19200 x 15360 twips) and a window of 3255 x 2940 twips.
TEST(ShowingPlace, BottomRightOfTheWorkAreaWhereverTheTaskbarStands) {
    constexpr int width = 3255, height = 2940;
    const PlaceCase cases[] = {
        {"none", {0, 0, 19200, 15360}, 19200 - width, 15360 - height - 200},
        {"bottom, 48 pixels", {0, 0, 19200, 14640}, 19200 - width, 14640 - height - 200},
        {"right, 62 pixels", {0, 0, 18270, 15360}, 18270 - width, 15360 - height - 200},
        {"top", {0, 600, 19200, 15360}, 19200 - width, 15360 - height - 200},
        {"left", {900, 0, 19200, 15360}, 19200 - width, 15360 - height - 200},
        {"a work area smaller than the window", {100, 200, 2000, 2500}, 100, 200},
    };
    for (const PlaceCase& c : cases) {
        EXPECT_EQ(notify::ShowingLeft(c.workArea, width), c.left) << c.taskbar;
        EXPECT_EQ(notify::ShowingTop(c.workArea, height), c.top) << c.taskbar;
        EXPECT_FALSE(notify::SlideGoesOn(c.top, c.workArea, height)) << c.taskbar << ": the slide ends there";
    }
}

} // namespace
