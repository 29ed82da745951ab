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

// Flat areas, a title bar, a side pane and lines of "text" whose glyphs
// (7 x 12 cells of pseudo-random strokes, anti-aliased grey at the edges)
// differ from row to row and from letter to letter: what a screenshot holds.
std::vector<std::uint32_t> ScreenshotPixels(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height, 0xFFF3F3F3u);
    const auto glyphInk = [](unsigned letter, int row, int column) {
        const unsigned h = (letter * 2654435761u) ^ (static_cast<unsigned>(row) * 40503u) ^
                           (static_cast<unsigned>(column) * 9176u);
        return (h >> 7) % 5; // 0 none, 1 faint edge, 2..4 stroke
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t& p = pixels[static_cast<size_t>(y) * width + x];
            if (y < 40) {
                p = 0xFF2B579Au; // a title bar
                continue;
            }
            if (x < 260) p = 0xFFFFFFFFu; // a side pane
            const int line = (y - 60) / 22, rowInLine = (y - 60) % 22;
            if (y < 60 || rowInLine < 3 || rowInLine >= 15 || (x / 7 * 7 + 13) % 97 < 10)
                continue; // gaps and spaces
            const unsigned letter = static_cast<unsigned>(line * 1000 + x / 7) % 71;
            const unsigned ink = glyphInk(letter, rowInLine, x % 7);
            if (ink >= 2)
                p = 0xFF202020u;
            else if (ink == 1)
                p = 0xFF9A9A9Au;
        }
    return pixels;
}

} // namespace capture_testing
