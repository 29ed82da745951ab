#include "capture/ResolutionFilter.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace capture {

std::optional<MinimumResolution> StandardMinimum(int option) {
    switch (option) {
    case 1: return MinimumResolution{640, 480};
    case 2: return MinimumResolution{800, 600};
    case 3: return MinimumResolution{1024, 768};
    case 4: return MinimumResolution{1280, 1024};
    case 5: return MinimumResolution{1600, 1200};
    default: return std::nullopt;
    }
}

std::optional<std::int16_t> PixelCount16(double pixels) {
    if (!std::isfinite(pixels)) return std::nullopt;
    const double rounded = std::nearbyint(pixels);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

bool ReachesMinimum(int width, int height, const MinimumResolution& minimum) {
    return minimum.width <= width && minimum.height <= height;
}

} // namespace capture
