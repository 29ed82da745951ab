#include "PixelTestSupport.h"

#include <algorithm>
#include <cmath>

namespace capture_testing {

std::vector<std::uint32_t> TestPixels(int width, int height, unsigned seed) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    unsigned state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = static_cast<int>((state >> 24) % 9) - 4;
            auto channel = [&](double value) {
                return static_cast<std::uint32_t>(std::clamp(static_cast<int>(value) + grain, 0, 255));
            };
            const double fx = width > 1 ? static_cast<double>(x) / (width - 1) : 0;
            const double fy = height > 1 ? static_cast<double>(y) / (height - 1) : 0;
            const std::uint32_t red = channel(40 + 180 * fx);
            const std::uint32_t green = channel(60 + 150 * fy);
            const std::uint32_t blue = channel(128 + 100 * std::sin(6.0 * (fx + fy) + seed));
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                (red << 16) | (green << 8) | blue;
        }
    }
    return pixels;
}

JpegHeader ReadJpegHeader(const std::string& bytes) {
    auto byte = [&](size_t at) { return at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0; };
    JpegHeader header;
    size_t at = 2; // after the start of image
    while (at + 4 <= bytes.size() && byte(at) == 0xFF) {
        const int marker = byte(at + 1);
        const size_t length = static_cast<size_t>(byte(at + 2) << 8 | byte(at + 3));
        const size_t body = at + 4, end = at + 2 + length;
        if (marker == 0xDB) {
            for (size_t table = body; table + 65 <= end; table += 65)
                for (size_t i = 1; i <= 64; ++i) header.quantisationSteps.push_back(byte(table + i));
        } else if (marker == 0xC0) {
            header.baseline = true;
            const int components = byte(body + 5);
            for (int c = 0; c < components; ++c) header.samplingFactors.push_back(byte(body + 6 + 3 * c + 1));
        } else if (marker == 0xDA) {
            break; // the coded data follows
        }
        at = end;
    }
    return header;
}

} // namespace capture_testing
