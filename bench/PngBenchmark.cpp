// The program's PNG reader and writer beside libpng used directly, on the
// same pictures in the same run: a photo-like 4000 x 3000 picture and a
// screenshot-like 1920 x 1080 one.
// - Reading: libpng's simplified API, straight to blue, green, red, alpha
//   (the photo also with an alpha channel that is opaque everywhere, as
//   browsers copy pictures).
// - Writing: time and size against libpng at level 1 with the sub filter,
//   at its default (level 6, adaptive filters), and at level 6 with sub.
//
//   PngBenchmark [REPETITIONS]      (default 9; medians in milliseconds)
#include "capture/PngEncoder.h"
#include "capture/PngReader.h"
#include "capture/Transparency.h"

#include "PixelTestSupport.h"
#include "PngTestFiles.h"

#include <png.h>

#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// libpng used directly: the same rows, the given level and filters.
struct Reference {
    const char* name;
    int level;
    int filters;
};

bool WriteRows(png_structp png, png_infop info, const capture::PixelRows& rows, const Reference& reference,
               std::string* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(
        png, out,
        [](png_structp p, png_bytep data, png_size_t size) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), size);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width), static_cast<png_uint_32>(rows.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (reference.filters) png_set_filter(png, PNG_FILTER_TYPE_BASE, reference.filters);
    png_set_compression_level(png, reference.level);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < rows.height; ++y) png_write_row(png, rows.bgrx + y * rows.stride);
    png_write_end(png, nullptr);
    return true;
}

std::string EncodeWithLibpng(const capture::PixelRows& rows, const Reference& reference) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::string out;
    out.reserve(static_cast<size_t>(rows.width) * rows.height);
    const bool written = WriteRows(png, info, rows, reference, &out);
    png_destroy_write_struct(&png, &info);
    return written ? out : std::string();
}

void BenchmarkWriting(const char* name, int width, int height, const std::vector<std::uint32_t>& rgb,
                      int repetitions) {
    std::vector<std::uint8_t> bgrx(rgb.size() * 4);
    std::memcpy(bgrx.data(), rgb.data(), bgrx.size());
    const capture::PixelRows rows{width, height, static_cast<std::ptrdiff_t>(width) * 4, bgrx.data()};
    std::string file;
    const double ours =
        TimeMedian(repetitions, [&] { return !(file = capture::EncodePng(rows, false)).empty(); });
    std::printf("%-26s %-22s %10.1f %12zu\n", name, "the program", ours, file.size());
    for (const Reference& reference :
         {Reference{"libpng level 1, sub", 1, PNG_FILTER_SUB}, Reference{"libpng default", 6, 0},
          Reference{"libpng level 6, sub", 6, PNG_FILTER_SUB}}) {
        const double ms =
            TimeMedian(repetitions, [&] { return !(file = EncodeWithLibpng(rows, reference)).empty(); });
        std::printf("%-26s %-22s %10.1f %12zu\n", "", reference.name, ms, file.size());
    }
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
        {"screenshot-like 1920x1080", 1920, 1080, capture_testing::ScreenshotPixels(1920, 1080), false},
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
        std::printf("%-26s %10zu %12.1f %12.1f %7.2f\n", c.name, file.size(), reader, library,
                    reader / library);
    }
    std::printf("\n%-26s %-22s %10s %12s\n", "picture", "writer", "ms", "PNG bytes");
    for (const Case& c : cases)
        if (!c.alphaChannel) BenchmarkWriting(c.name, c.width, c.height, c.pixels, repetitions);
    return 0;
}
