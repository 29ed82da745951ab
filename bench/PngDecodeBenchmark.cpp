// How long the program's PNG reader takes beside libpng used directly (its
// simplified API, straight to blue, green, red, alpha), on the same files in
// the same run: a photo-like 4000 x 3000 picture (also with an alpha channel
// that is opaque everywhere, as browsers copy pictures) and a
// screenshot-like 1920 x 1080 one.
//
//   PngDecodeBenchmark [REPETITIONS]      (default 9; medians in milliseconds)
#include "capture/PngReader.h"
#include "capture/Transparency.h"

#include "PixelTestSupport.h"
#include "PngTestFiles.h"

#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double TimeMedian(int repetitions, Work work) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const Clock::time_point start = Clock::now();
        if (!work()) {
            std::fprintf(stderr, "a decode failed\n");
            std::exit(1);
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

// Flat areas, window frames and lines of "text": what a screenshot holds.
std::vector<std::uint32_t> ScreenshotPixels(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height, 0xFFF3F3F3u);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t& p = pixels[static_cast<size_t>(y) * width + x];
            if (y < 40) p = 0xFF2B579Au;                                     // a title bar
            else if (x < 260) p = 0xFFFFFFFFu;                                // a side pane
            if (y > 60 && y % 22 < 12 && (x * 7 + y / 22 * 13) % 53 < 30) p = 0xFF202020u; // text
        }
    return pixels;
}

bool DecodeWithReader(const std::string& file, std::vector<std::uint8_t>& out) {
    capture::PngReader reader(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    if (!reader.ReadHeader().ok()) return false;
    out.resize(static_cast<size_t>(reader.Width()) * reader.Height() * 4);
    if (!reader.ReadPixels(out.data()).ok()) return false;
    if (reader.HasAlpha()) capture::SettleAlpha(out.data(), out.size() / 4, capture::AlphaColours::Straight);
    return true;
}

bool DecodeWithLibpng(const std::string& file, std::vector<std::uint8_t>& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return false;
    image.format = PNG_FORMAT_BGRA;
    out.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, out.data(), 0, nullptr) != 0;
}

} // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    struct Case {
        const char* name;
        int width, height;
        std::vector<std::uint32_t> pixels;
        bool alphaChannel; // as browsers copy pictures: RGBA, every pixel opaque
    };
    const Case cases[] = {
        {"photo-like 4000x3000", 4000, 3000, capture_testing::TestPixels(4000, 3000), false},
        {"the same as RGBA", 4000, 3000, capture_testing::TestPixels(4000, 3000), true},
        {"screenshot-like 1920x1080", 1920, 1080, ScreenshotPixels(1920, 1080), false},
    };
    std::printf("%-26s %10s %12s %12s %7s\n", "picture", "PNG bytes", "reader ms", "libpng ms", "ratio");
    for (const Case& c : cases) {
            std::vector<std::uint32_t> argb = c.pixels;
        for (std::uint32_t& p : argb) p |= 0xFF000000u;
        const std::string file = c.alphaChannel ? capture_testing::EncodeRgbaPng(c.width, c.height, argb)
                                                : capture_testing::EncodeRgbPng(c.width, c.height, c.pixels);
        std::vector<std::uint8_t> out;
        const double reader = TimeMedian(repetitions, [&] { return DecodeWithReader(file, out); });
        const double library = TimeMedian(repetitions, [&] { return DecodeWithLibpng(file, out); });
        std::printf("%-26s %10zu %12.1f %12.1f %7.2f\n", c.name, file.size(), reader, library, reader / library);
    }
    return 0;
}
