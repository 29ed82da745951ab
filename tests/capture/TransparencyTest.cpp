// The one rule for alpha: composed over white when it means something,
// dropped otherwise, whichever pixel first shows that it means something.
#include "capture/Transparency.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct AlphaCase {
    const char* rule;
    Bytes bgra;
    Bytes settled;
};
void PrintTo(const AlphaCase& c, std::ostream* os) {
    *os << c.rule;
}

class SettleAlpha : public ::testing::TestWithParam<AlphaCase> {};

TEST_P(SettleAlpha, ComposesMeaningfulAlphaOverWhiteAndDropsTheRest) {
    Bytes pixels = GetParam().bgra;
    capture::SettleAlpha(pixels.data(), pixels.size() / 4, capture::AlphaColours::Straight);
    EXPECT_EQ(pixels, GetParam().settled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettleAlpha,
    ::testing::Values(
        AlphaCase{"all opaque: alpha dropped", {1, 2, 3, 255, 4, 5, 6, 255}, {1, 2, 3, 0, 4, 5, 6, 0}},
        AlphaCase{"all transparent: a program that ignores alpha",
                  {1, 2, 3, 0, 4, 5, 6, 0},
                  {1, 2, 3, 0, 4, 5, 6, 0}},
        AlphaCase{"one alpha between 0 and 255 for all",
                  {0, 0, 0, 128, 0, 0, 0, 128},
                  {127, 127, 127, 0, 127, 127, 127, 0}},
        AlphaCase{"opaque pixels before the first transparent one keep their colour",
                  {1, 2, 3, 255, 4, 5, 6, 255, 9, 9, 9, 0},
                  {1, 2, 3, 0, 4, 5, 6, 0, 255, 255, 255, 0}},
        AlphaCase{"transparent pixels before the first opaque one turn white",
                  {1, 2, 3, 0, 4, 5, 6, 0, 9, 9, 9, 255},
                  {255, 255, 255, 0, 255, 255, 255, 0, 9, 9, 9, 0}}),
    [](const ::testing::TestParamInfo<AlphaCase>& info) {
        std::string name;
        for (const char* c = info.param.rule; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(SettleAlphaKeepingCopy, KeepsTheStraightColoursOnlyWhenTheAlphaMeantSomething) {
    Bytes opaque{1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_TRUE(capture::SettleAlphaKeepingCopy(opaque.data(), 2, capture::AlphaColours::Straight).empty());
    EXPECT_EQ(opaque, (Bytes{1, 2, 3, 0, 4, 5, 6, 0}));
    // Half-transparent red, premultiplied, beside an opaque grey: the copy divides it back.
    Bytes scaled{0, 0, 128, 128, 50, 50, 50, 255};
    EXPECT_EQ(capture::SettleAlphaKeepingCopy(scaled.data(), 2, capture::AlphaColours::MaybeScaled),
              (Bytes{0, 0, 255, 128, 50, 50, 50, 255}));
    EXPECT_EQ(scaled, (Bytes{127, 127, 255, 0, 50, 50, 50, 0})) << "composed over white as SettleAlpha does";
}

} // namespace
