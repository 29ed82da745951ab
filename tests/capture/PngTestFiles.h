// PNG files of every kind for the tests of both builds, written by libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace capture_testing {

struct PngSpec {
    int width = 0;
    int height = 0;
    int colourType = 2; // libpng's PNG_COLOR_TYPE_*: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> samples;      // rows as PNG stores them, packed, without filter bytes
    std::vector<std::uint8_t> palette;      // red, green, blue per entry
    std::vector<std::uint8_t> paletteAlpha; // tRNS of a palette picture
};

std::string EncodePng(const PngSpec& spec);

// 8-bit RGB rows of 0x00RRGGBB pixels, and RGBA rows of 0xAARRGGBB ones.
std::string EncodeRgbPng(int width, int height, const std::vector<std::uint32_t>& rgb);
std::string EncodeRgbaPng(int width, int height, const std::vector<std::uint32_t>& argb);

// The file with its chunk at `chunkOffset` given new data bytes at `at`
// (within the chunk's data), its checksum made right again.
std::string PatchChunk(std::string png, std::size_t chunkOffset, std::size_t at, const std::string& bytes);

} // namespace capture_testing
