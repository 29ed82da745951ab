#include "notify/NotificationArt.h"

#include "notify/NotificationLayout.h"
#include "ui/ThemeColours.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace notify {
namespace {

using layout::Px;

constexpr int kAccentHeight = 3;
constexpr int kBandTop = 150; // the button band, below the size text

struct Colour {
    double r, g, b;
};

Colour Unpack(std::uint32_t p) {
    return {static_cast<double>((p >> 16) & 0xFF), static_cast<double>((p >> 8) & 0xFF),
            static_cast<double>(p & 0xFF)};
}

std::uint32_t Pack(const Colour& c) {
    auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return Rgb(channel(c.r), channel(c.g), channel(c.b));
}

Colour Mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t MixPixels(std::uint32_t a, std::uint32_t b, double t) {
    return Pack(Mix(Unpack(a), Unpack(b), t));
}

// The colour a shape has at a point of the picture, or none where the
// shape leaves the picture as it is.
using Shader = std::function<std::optional<std::uint32_t>(double x, double y)>;

// Paints a shape with 4 x 4 samples per pixel, so that its edges are smooth.
void Paint(PixelArt& art, const Shader& shader) {
    constexpr int kSamples = 4;
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            Colour sum{0, 0, 0};
            bool touched = false;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const auto colour = shader(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
                    touched = touched || colour.has_value();
                    const Colour c = Unpack(colour.value_or(art.At(x, y)));
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            if (touched) {
                constexpr double n = kSamples * kSamples;
                art.At(x, y) = Pack({sum.r / n, sum.g / n, sum.b / n});
            }
        }
}

void FillRows(PixelArt& art, int top, int bottom, const std::function<std::uint32_t(int x, int y)>& colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, art.height); ++y)
        for (int x = 0; x < art.width; ++x) art.At(x, y) = colour(x, y);
}

void Line(PixelArt& art, int x1, int y1, int x2, int y2, std::uint32_t colour) {
    for (int y = std::max(y1, 0); y <= std::min(y2, art.height - 1); ++y)
        for (int x = std::max(x1, 0); x <= std::min(x2, art.width - 1); ++x) art.At(x, y) = colour;
}

// An accent bar along the top edge, inside the outline.
void DrawAccentBar(PixelArt& art) {
    const Colour left = Unpack(Rgb(38, 66, 112)), right = Unpack(Rgb(84, 128, 190));
    FillRows(art, 1, 1 + kAccentHeight,
             [&](int x, int) { return Pack(Mix(left, right, static_cast<double>(x) / (art.width - 1))); });
}

void DrawBody(PixelArt& art) {
    const Colour top = Unpack(Rgb(247, 249, 252)), bottom = Unpack(Rgb(221, 229, 241));
    FillRows(art, 0, kBandTop,
             [&](int, int y) { return Pack(Mix(top, bottom, static_cast<double>(y) / kBandTop)); });
    FillRows(art, kBandTop, art.height, [](int, int) { return Rgb(208, 218, 234); });
    Line(art, 0, kBandTop, art.width - 1, kBandTop, Rgb(178, 191, 212));
    Line(art, 0, kBandTop + 1, art.width - 1, kBandTop + 1, Rgb(236, 241, 248));
}

// A sunken well with a checkered floor, seen while no thumbnail is held.
void DrawThumbnailWell(PixelArt& art) {
    const int left = Px(layout::kThumbnail.left), top = Px(layout::kThumbnail.top);
    const int right = left + Px(layout::kThumbnail.width), bottom = top + Px(layout::kThumbnail.height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            art.At(x, y) = ((x - left) / 8 + (y - top) / 8) % 2 ? Rgb(233, 237, 243) : Rgb(250, 251, 253);
    // A soft shadow below and to the right, then the outline.
    for (int y = top + 1; y <= bottom + 1; ++y)
        for (int x = left + 1; x <= right + 1; ++x)
            if (x >= right || y >= bottom) {
                const double strength = (x == right + 1 || y == bottom + 1) ? 0.10 : 0.22;
                art.At(x, y) = MixPixels(art.At(x, y), Rgb(40, 60, 90), strength);
            }
    const std::uint32_t outline = Rgb(128, 144, 170);
    Line(art, left - 1, top - 1, right, top - 1, outline);
    Line(art, left - 1, bottom, right, bottom, outline);
    Line(art, left - 1, top - 1, left - 1, bottom, outline);
    Line(art, right, top - 1, right, bottom, outline);
}

// A thin outline round the visible client area (the window may have no
// frame of its own).
void DrawOutline(PixelArt& art) {
    const int right = art.width - 1, bottom = Px(layout::kClientHeight) - 1;
    const std::uint32_t edge = Rgb(46, 66, 100);
    Line(art, 0, 0, right, 0, edge);
    Line(art, 0, 0, 0, bottom, edge);
    Line(art, right, 0, right, bottom, edge);
    Line(art, 0, bottom, right, bottom, edge);
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

} // namespace

PixelArt::PixelArt(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

PixelArt PixelArt::Cut(int x, int y, int w, int h) const {
    PixelArt part(w, h, 0);
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column) part.At(column, row) = At(x + column, y + row);
    return part;
}

PixelArt BackgroundArt() {
    PixelArt art(layout::kBackgroundWidthPx, layout::kBackgroundHeightPx, 0);
    DrawBody(art);
    DrawAccentBar(art);
    DrawThumbnailWell(art);
    DrawOutline(art);
    return art;
}

// A red disc with a white cross.
PixelArt CloseArt(const PixelArt& background) {
    PixelArt art =
        background.Cut(Px(layout::kCloseLeft), Px(layout::kCloseTop), layout::kIconPx, layout::kIconPx);
    Paint(art, [](double x, double y) -> std::optional<std::uint32_t> {
        const double fromCentre = std::hypot(x - 8.0, y - 8.0);
        if (fromCentre > 7.0) return std::nullopt;
        const bool cross =
            DistanceToSegment(x, y, 5, 5, 11, 11) < 1.1 || DistanceToSegment(x, y, 11, 5, 5, 11) < 1.1;
        if (cross) return Rgb(255, 255, 255);
        return fromCentre > 6.0 ? Rgb(150, 40, 36) : Rgb(206, 72, 64);
    });
    return art;
}

// A pencil lying from the lower left to the upper right.
PixelArt DecorationArt(const PixelArt& background) {
    PixelArt art = background.Cut(Px(layout::kDecorationLeft), Px(layout::kDecorationTop), layout::kIconPx,
                                  layout::kIconPx);
    Paint(art, [](double x, double y) -> std::optional<std::uint32_t> {
        // u runs along the pencil from its point, v across it.
        constexpr double kStartX = 1.5, kStartY = 14.5, kLength = 17.0, kHalfWidth = 2.4;
        const double u = ((x - kStartX) - (y - kStartY)) / std::sqrt(2.0);
        const double v = ((x - kStartX) + (y - kStartY)) / std::sqrt(2.0);
        if (u < 0 || u > kLength || std::abs(v) > kHalfWidth) return std::nullopt;
        constexpr double kPoint = 4.0;
        if (u < kPoint) {
            if (std::abs(v) > kHalfWidth * u / kPoint) return std::nullopt;
            return u < 1.6 ? Rgb(50, 50, 56) : Rgb(232, 200, 150);
        }
        if (u > kLength - 2.2) return Rgb(226, 122, 140);             // rubber
        if (u > kLength - 4.0) return Rgb(170, 176, 186);             // metal band
        if (std::abs(v) > kHalfWidth - 0.7) return Rgb(176, 112, 20); // edges
        return v > 0 ? Rgb(232, 160, 36) : Rgb(248, 190, 64);
    });
    return art;
}

PixelArt InTheDark(PixelArt art) {
    for (std::uint32_t& pixel : art.pixels) pixel = ui::DarkCounterpart(pixel);
    return art;
}

} // namespace notify
