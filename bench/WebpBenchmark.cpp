// The program's WebP encoder on a photo-like 4000 x 3000 picture and a
// screenshot-like 1920 x 1080 one: lossy at the default quality and
// lossless, the time and the size of each. The pixels are also written as
// PPM files into FOLDER, for cwebp to encode the same pixels with the same
// settings (bench/run-webp-benchmark.sh).
//
//   WebpBenchmark FOLDER [REPETITIONS]      (default 5; medians in milliseconds)
//   prints: RESULT <picture> <ppm file> lossy_ms=... lossy_bytes=... lossless_ms=... lossless_bytes=...
#include "capture/WebpEncoder.h"

#include "PixelTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Blue, green, red, unused rows as the program holds a picture.
std::vector<std::uint8_t> Bgrx(const std::vector<std::uint32_t>& rgb) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(rgb.size() * 4);
    for (const std::uint32_t p : rgb)
        bytes.insert(bytes.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), 0});
    return bytes;
}

void WritePpm(const std::string& path, int width, int height, const std::vector<std::uint32_t>& rgb) {
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << width << ' ' << height << "\n255\n";
    for (const std::uint32_t p : rgb) file.put(char(p >> 16)).put(char(p >> 8)).put(char(p));
    if (!file) {
        std::fprintf(stderr, "%s could not be written\n", path.c_str());
        std::exit(1);
    }
}

// The median time of the encoding, and the file's size.
std::pair<double, std::size_t> Encode(const capture::PixelRows& rows, const capture::WebpSettings& settings,
                                      int repetitions) {
    std::vector<double> times;
    std::size_t size = 0;
    for (int i = 0; i < repetitions; ++i) {
        const Clock::time_point start = Clock::now();
        size = capture::EncodeWebp(rows, false, settings).size();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return {Median(times), size};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: WebpBenchmark FOLDER [REPETITIONS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    struct Case {
        const char* name;
        const char* ppm;
        int width, height;
        std::vector<std::uint32_t> pixels;
    };
    const Case cases[] = {
        {"photo-4000x3000", "photo.ppm", 4000, 3000, capture_testing::TestPixels(4000, 3000)},
        {"screenshot-1920x1080", "screenshot.ppm", 1920, 1080, capture_testing::ScreenshotPixels(1920, 1080)},
    };
    for (const Case& c : cases) {
        WritePpm(folder + "/" + c.ppm, c.width, c.height, c.pixels);
        const std::vector<std::uint8_t> bgrx = Bgrx(c.pixels);
        const capture::PixelRows rows{c.width, c.height, static_cast<std::ptrdiff_t>(c.width) * 4,
                                      bgrx.data()};
        const auto [lossyMs, lossyBytes] = Encode(rows, {false, capture::kDefaultWebpQuality}, repetitions);
        const auto [losslessMs, losslessBytes] =
            Encode(rows, {true, capture::kDefaultWebpQuality}, repetitions);
        std::printf("RESULT %s %s lossy_ms=%.1f lossy_bytes=%zu lossless_ms=%.1f lossless_bytes=%zu\n",
                    c.name, c.ppm, lossyMs, lossyBytes, losslessMs, losslessBytes);
    }
    return 0;
}
