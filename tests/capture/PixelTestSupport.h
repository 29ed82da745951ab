// What the capture tests of both builds share (no Windows): photo-like test
// pixels and what a JPEG file's headers say.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace capture_testing {

// Smooth gradients with a little grain, the same for the same size and seed;
// pixels as 0x00RRGGBB, rows top to bottom.
std::vector<std::uint32_t> TestPixels(int width, int height, unsigned seed = 1);

// What a screenshot holds: flat areas, a title bar, a side pane and lines of
// "text"; pixels as 0xFFRRGGBB.
std::vector<std::uint32_t> ScreenshotPixels(int width, int height);

// What the JPEG headers say: every quantisation step and the sampling
// factors of the colour components.
struct JpegHeader {
    bool baseline = false;
    std::vector<int> quantisationSteps;
    std::vector<int> samplingFactors; // 0x11 for full resolution
};
JpegHeader ReadJpegHeader(const std::string& jpeg);

} // namespace capture_testing
