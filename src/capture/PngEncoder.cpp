#include "capture/PngEncoder.h"

#include "capture/PieceWriter.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

// libpng reports a failure through its error function, which must not return
// and must not throw through libpng's C frames: it jumps back to Write, which
// holds no object with a destructor.

namespace capture {
namespace {

constexpr std::size_t kPieceSize = 64 * 1024;
constexpr int kSampledRows = 32;
constexpr int kQuickLevel = 1;
constexpr int kHardLevel = 6;

// The file's bytes on their way to the sink, and libpng's words of a failure.
struct Output {
    explicit Output(const ByteSink& sink) : pieces(sink, kPieceSize) {}
    PieceWriter pieces;
    char message[200] = {};
};

Output& OutputOf(png_structp png) {
    return *static_cast<Output*>(png_get_io_ptr(png));
}

[[noreturn]] void JumpBack(png_structp png, png_const_charp message) {
    auto* output = static_cast<Output*>(png_get_error_ptr(png));
    std::snprintf(output->message, sizeof output->message, "%s", message);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void Collect(png_structp png, png_bytep data, png_size_t size) {
    if (!OutputOf(png).pieces.Append(data, size)) png_error(png, "the file could not be written");
}

void FlushNothing(png_structp) {}

// libpng's writing state, owned.
struct WriteStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    explicit WriteStructs(Output& output)
        : png(png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, JumpBack, IgnoreWarning)),
          info(png ? png_create_info_struct(png) : nullptr) {}
    ~WriteStructs() { png_destroy_write_struct(&png, &info); }
    WriteStructs(const WriteStructs&) = delete;
    WriteStructs& operator=(const WriteStructs&) = delete;
};

bool Write(png_structp png, png_infop info, const PixelRows& pixels, bool alpha, PngPacking packing) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, png_get_error_ptr(png), Collect, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width), static_cast<png_uint_32>(pixels.height),
                 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, packing == PngPacking::Hard ? kHardLevel : kQuickLevel);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER); // the unused fourth byte is left out
    for (int y = 0; y < pixels.height; ++y) png_write_row(png, pixels.bgrx + y * pixels.stride);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

PngPacking ChoosePngPacking(const PixelRows& pixels) {
    std::int64_t equal = 0, compared = 0;
    const int rows = std::min(pixels.height, kSampledRows);
    for (int i = 0; i < rows; ++i) {
        const std::uint8_t* row =
            pixels.bgrx + static_cast<std::ptrdiff_t>(i) * pixels.height / rows * pixels.stride;
        for (int x = 1; x < pixels.width; ++x, ++compared)
            equal += row[x * 4] == row[x * 4 - 4] && row[x * 4 + 1] == row[x * 4 - 3] &&
                     row[x * 4 + 2] == row[x * 4 - 2];
    }
    return equal * 2 > compared ? PngPacking::Hard : PngPacking::Quick;
}

void EncodePng(const PixelRows& pixels, bool alpha, const ByteSink& sink) {
    if (pixels.width <= 0 || pixels.height <= 0 || !pixels.bgrx)
        throw std::runtime_error("there is no picture to encode");
    if (pixels.stride < static_cast<std::ptrdiff_t>(pixels.width) * 4)
        throw std::runtime_error("rows shorter than the picture");
    Output output(sink);
    bool written = false;
    {
        WriteStructs structs(output);
        written = structs.info && Write(structs.png, structs.info, pixels, alpha, ChoosePngPacking(pixels));
    }
    output.pieces.RethrowFailure();
    if (!written) throw std::runtime_error(std::string("the PNG could not be encoded: ") + output.message);
    if (!output.pieces.Flush()) output.pieces.RethrowFailure();
}

std::string EncodePng(const PixelRows& pixels, bool alpha) {
    std::string file;
    EncodePng(pixels, alpha, [&](const std::uint8_t* data, std::size_t size) {
        file.append(reinterpret_cast<const char*>(data), size);
    });
    return file;
}

} // namespace capture
