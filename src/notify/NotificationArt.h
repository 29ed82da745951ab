// The notification window's pictures, drawn from code: the background, the
// close image and the decoration (a pencil beside the check box for
// typed file names). Pixels are 0x00RRGGBB, rows top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace notify {

struct PixelArt {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelArt() = default;
    PixelArt(int w, int h, std::uint32_t fill);
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // The part at (x, y) of the given size.
    PixelArt Cut(int x, int y, int w, int h) const;
};

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

// 211 x 202: a light face with an accent bar at the top, the thumbnail
// well, the button band and a thin outline.
PixelArt BackgroundArt();
// 16 x 16, drawn over the background where the image sits.
PixelArt CloseArt(const PixelArt& background);
PixelArt DecorationArt(const PixelArt& background);
// The art as it shows in the dark app theme: the lightness of every pixel
// turned over, its hue kept.
PixelArt InTheDark(PixelArt art);

} // namespace notify
