// The minimum-resolution filter: which caught pictures are big enough to be
// saved or offered in the notification window.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace capture {

struct MinimumResolution {
    double width = 0;
    double height = 0;
};

// The fixed minimum of resolution button 1..5 (640 x 480 .. 1600 x 1200);
// nothing for any other button.
std::optional<MinimumResolution> StandardMinimum(int option);

// A size in pixels rounded to the nearest integer (halves to even), or
// nothing when it does not fit a 16-bit signed integer.
std::optional<std::int16_t> PixelCount16(double pixels);

// Both dimensions must reach the minimum; equality passes.
bool ReachesMinimum(int width, int height, const MinimumResolution& minimum);

} // namespace capture
