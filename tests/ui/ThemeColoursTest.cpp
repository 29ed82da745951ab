// The dark counterpart of a colour a window chose for the light theme: its
// lightness turned over within the dark theme's range, its hue kept.
#include "ui/ThemeColours.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

int Red(std::uint32_t c) {
    return c & 0xFF;
}
int Green(std::uint32_t c) {
    return (c >> 8) & 0xFF;
}
int Blue(std::uint32_t c) {
    return (c >> 16) & 0xFF;
}
int Lightness(std::uint32_t c) {
    return (std::max({Red(c), Green(c), Blue(c)}) + std::min({Red(c), Green(c), Blue(c)})) / 2;
}

TEST(DarkCounterpart, TurnsWhiteIntoTheFieldColourAndBlackIntoLightGrey) {
    const struct {
        std::uint32_t light, dark;
    } cases[] = {{0xFFFFFF, ui::kDarkColours.field}, {0x000000, 0xE6E6E6}, {0xE0E0E0, 0x424242}};
    for (const auto& c : cases) EXPECT_EQ(ui::DarkCounterpart(c.light), c.dark) << std::hex << c.light;
}

TEST(DarkCounterpart, KeepsTheHueAndTurnsTheOrderOfLightnessOver) {
    const std::uint32_t red = ui::DarkCounterpart(0x0000FF), paleBlue = ui::DarkCounterpart(0xF8E0C0);
    EXPECT_EQ(Red(red), 255);
    EXPECT_EQ(Green(red), Blue(red));
    EXPECT_GT(Blue(paleBlue), Green(paleBlue));
    EXPECT_GT(Green(paleBlue), Red(paleBlue));
    EXPECT_LT(Lightness(paleBlue), 80) << "a pale colour becomes a dark one";
    const std::uint32_t greys[] = {0x202020, 0x606060, 0xA0A0A0, 0xF0F0F0};
    for (int i = 1; i < 4; ++i)
        EXPECT_LT(ui::DarkCounterpart(greys[i]) & 0xFF, ui::DarkCounterpart(greys[i - 1]) & 0xFF);
}

} // namespace
