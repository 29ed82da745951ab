#include "ui/ThemeColours.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The lightness white and black are turned into.
constexpr double kDarkest = 0x2B / 255.0;
constexpr double kLightest = 0xE6 / 255.0;

double Channel(std::uint32_t colour, int shift) {
    return ((colour >> shift) & 0xFF) / 255.0;
}

std::uint32_t Byte(double value, int shift) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)) << shift;
}

// The largest chroma a colour of this lightness can have in HSL.
double ChromaRoom(double lightness) {
    return 1.0 - std::abs(2.0 * lightness - 1.0);
}

} // namespace

std::uint32_t DarkCounterpart(std::uint32_t colour) {
    const double c[3] = {Channel(colour, 0), Channel(colour, 8), Channel(colour, 16)};
    const double high = std::max({c[0], c[1], c[2]}), low = std::min({c[0], c[1], c[2]});
    const double lightness = (high + low) / 2.0, chroma = high - low;
    const double turned = kDarkest + (1.0 - lightness) * (kLightest - kDarkest);
    // Each channel keeps its place between the lowest and the highest, the
    // chroma scaled so that the saturation stays.
    const double room = ChromaRoom(lightness);
    const double scale = chroma > 0 && room > 0 ? ChromaRoom(turned) / room : 0.0;
    std::uint32_t result = 0;
    for (int i = 0; i < 3; ++i) result |= Byte(turned + (c[i] - lightness) * scale, 8 * i);
    return result;
}

} // namespace ui
