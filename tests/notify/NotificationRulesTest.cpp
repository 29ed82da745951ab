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
        {"0", 0},       {"6", 6},   {"7", 7},    {"12", 12},  {"", 0},        {"  7", 7},
        {"7 ", 7},      {"7x", 7},  {"x7", 0},   {"-3", -3},  {"+4", 4},      {"-", 0},
        {"007", 7},     {"3.9", 3}, {"\t5", 5},  {"1e3", 1},
        {"99999999999999999999999", kMax},
    };
    for (const CounterCase& c : cases) EXPECT_EQ(notify::CounterValue(c.text), c.value) << '"' << c.text << '"';
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

TEST(SlideIn, StopsAtTheFirstStepAtOrAboveScreenHeightMinusWindowHeightMinus200) {
    constexpr int screen = 15360, window = 2940;
    EXPECT_EQ(notify::ShowingTarget(screen, window), 15360 - 2940 - 200);
    EXPECT_TRUE(notify::SlideGoesOn(screen, screen, window)) << "parked: the slide goes on";
    EXPECT_TRUE(notify::SlideGoesOn(12221, screen, window));
    EXPECT_FALSE(notify::SlideGoesOn(12220, screen, window)) << "exactly at the target ends it";
    EXPECT_FALSE(notify::SlideGoesOn(12100, screen, window));
}

} // namespace
