#include "PngTestFiles.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <stdexcept>

namespace capture_testing {
namespace {

void Append(png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

bool Write(png_structp png, png_infop info, const PngSpec& spec, png_bytepp rows, std::string* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, Append, nullptr);
    png_set_check_for_invalid_index(png, 0); // the tests also write damaged files
    png_set_IHDR(png, info, static_cast<png_uint_32>(spec.width), static_cast<png_uint_32>(spec.height),
                 spec.bitDepth, spec.colourType, spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(spec.palette.data()),
                     static_cast<int>(spec.palette.size() / 3));
    if (!spec.paletteAlpha.empty())
        png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()),
                     nullptr);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::string EncodePng(const PngSpec& spec) {
    const std::size_t stride = spec.samples.size() / static_cast<std::size_t>(spec.height);
    std::vector<png_bytep> rows;
    std::vector<std::uint8_t> samples = spec.samples;
    for (int y = 0; y < spec.height; ++y)
        rows.push_back(samples.data() + static_cast<std::size_t>(y) * stride);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::string out;
    const bool written = Write(png, info, spec, rows.data(), &out);
    png_destroy_write_struct(&png, &info);
    if (!written) throw std::runtime_error("the test PNG could not be written");
    return out;
}

std::string EncodeRgbaPng(int width, int height, const std::vector<std::uint32_t>& argb) {
    PngSpec spec{width, height, PNG_COLOR_TYPE_RGBA, 8, false, {}, {}, {}};
    for (const std::uint32_t pixel : argb)
        for (const int shift : {16, 8, 0, 24})
            spec.samples.push_back(static_cast<std::uint8_t>(pixel >> shift));
    return EncodePng(spec);
}

std::string EncodeRgbPng(int width, int height, const std::vector<std::uint32_t>& rgb) {
    PngSpec spec{width, height, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
    spec.samples.reserve(rgb.size() * 3);
    for (const std::uint32_t pixel : rgb)
        for (const int shift : {16, 8, 0}) spec.samples.push_back(static_cast<std::uint8_t>(pixel >> shift));
    return EncodePng(spec);
}

std::string PatchChunk(std::string png, std::size_t chunkOffset, std::size_t at, const std::string& bytes) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(png[i]));
    };
    const std::size_t length = byte(chunkOffset) << 24 | byte(chunkOffset + 1) << 16 |
                               byte(chunkOffset + 2) << 8 | byte(chunkOffset + 3);
    png.replace(chunkOffset + 8 + at, bytes.size(), bytes);
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(png.data() + chunkOffset + 4), static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) png[chunkOffset + 8 + length + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

} // namespace capture_testing
