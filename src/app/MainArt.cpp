#include "app/MainArt.h"

#include "ui/ThemeColours.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace app {
namespace {

constexpr int kSize = 32;

// A small square canvas of 0x00RRGGBB pixels on the button face colour of
// the theme, with the theme's ink for outlines.
struct Canvas {
    explicit Canvas(bool dark)
        : ink(dark ? 0xC8D0DC : 0x2F3B4C), pixels(kSize * kSize, dark ? ui::kDarkColours.face : 0xF0F0F0) {}
    std::uint32_t ink;
    std::vector<std::uint32_t> pixels;

    void Set(int x, int y, std::uint32_t color) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) pixels[static_cast<size_t>(y * kSize + x)] = color;
    }
    void Fill(int x0, int y0, int x1, int y1, std::uint32_t color) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) Set(x, y, color);
    }
    void Frame(int x0, int y0, int x1, int y1, std::uint32_t color) {
        Fill(x0, y0, x1, y0 + 1, color);
        Fill(x0, y1 - 1, x1, y1, color);
        Fill(x0, y0, x0 + 1, y1, color);
        Fill(x1 - 1, y0, x1, y1, color);
    }
    void Disc(double cx, double cy, double r, std::uint32_t color) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) Set(x, y, color);
    }
    void Line(double x0, double y0, double x1, double y1, double width, std::uint32_t color) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double dx = x1 - x0, dy = y1 - y0;
                const double t =
                    std::clamp(((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                if (std::hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= width / 2) Set(x, y, color);
            }
    }
    ui::Picture ToPicture() const { return ui::Picture::FromPixels(kSize, kSize, pixels.data()); }
};

constexpr std::uint32_t kBlue = 0x2F6FBF;

} // namespace

ui::Picture OptionsButtonArt(bool dark) {
    Canvas c(dark);
    for (int i = 0; i < 3; ++i) {
        const int y = 7 + i * 9;
        c.Fill(4, y, 28, y + 2, c.ink);
        const int knob = i == 1 ? 19 : (i == 0 ? 9 : 14);
        c.Fill(knob - 3, y - 3, knob + 3, y + 5, kBlue);
        c.Frame(knob - 3, y - 3, knob + 3, y + 5, c.ink);
    }
    return c.ToPicture();
}

ui::Picture ExitButtonArt(bool dark) {
    Canvas c(dark);
    c.Disc(16, 16, 13, 0xC62828);
    c.Line(10, 10, 22, 22, 3.5, 0xFFFFFF);
    c.Line(22, 10, 10, 22, 3.5, 0xFFFFFF);
    return c.ToPicture();
}

ui::Picture MemoryButtonArt(bool dark) {
    Canvas c(dark);
    c.Fill(3, 6, 29, 26, 0xFFFFFF);
    c.Frame(3, 6, 29, 26, c.ink);
    c.Fill(5, 8, 27, 24, 0x9FD3F5);
    c.Disc(21, 12, 3, 0xF6C431);
    c.Line(5, 23, 13, 14, 2.5, 0x3F9C35);
    c.Line(13, 14, 27, 23, 2.5, 0x3F9C35);
    c.Fill(5, 21, 27, 24, 0x3F9C35);
    return c.ToPicture();
}

ui::Picture FoldersButtonArt(bool dark) {
    Canvas c(dark);
    c.Fill(3, 8, 14, 11, 0xD9A21B);
    c.Fill(3, 10, 29, 26, 0xF2C14E);
    c.Frame(3, 10, 29, 26, 0xA8790F);
    c.Fill(3, 13, 29, 14, 0xA8790F);
    return c.ToPicture();
}

ui::Picture AboutArt(bool dark) {
    Canvas c(dark);
    c.Disc(16, 16, 14, kBlue);
    c.Disc(16, 9, 2.2, 0xFFFFFF);
    c.Fill(14, 13, 18, 25, 0xFFFFFF);
    return c.ToPicture();
}

} // namespace app
