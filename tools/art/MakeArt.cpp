// MakeArt - draws the pictures Vellicor Rizezuza ships with.
//
// Usage: MakeArt <outdir>
//
// Writes
//   <outdir>/lang/<Language>/<Language>_2.jpg   64 x 40 flag for each language
//   <outdir>/vellicor.ico                       program icon (32 x 32 and 16 x 16)
//
// Everything is drawn here from code; the tool needs only the standard
// library and stb_image_write (for the JPEG encoder). Exit code 0 on
// success, 1 on any failure (with a message on stderr).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The JPEG encoder. Only the in-memory writer is used, so the stdio file
// functions are switched off; files are written through std::filesystem paths.
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
// Its implementation trips a few warnings of ours; keep them quiet for the
// third-party code only.
#if defined(_MSC_VER) && !defined(__clang__)
#pragma warning(push, 0)
#elif defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#endif
#include "stb_image_write.h"
#if defined(_MSC_VER) && !defined(__clang__)
#pragma warning(pop)
#elif defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------------------
// Error handling and file output

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "MakeArt: " << message << '\n';
    std::exit(1);
}

void makeDirectories(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) fail("cannot create directory '" + dir.string() + "': " + ec.message());
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) fail("cannot open '" + path.string() + "' for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) fail("cannot write '" + path.string() + "'");
}

// ---------------------------------------------------------------------------
// A tiny RGB canvas for the flags

struct Rgb {
    std::uint8_t r, g, b;
};

// Offset of pixel (x, y) in a row-major image that is `width` pixels wide.
std::size_t pixelIndex(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

struct Canvas {
    int width;
    int height;
    std::vector<std::uint8_t> pixels; // RGB, top row first

    Canvas(int w, int h) : width(w), height(h), pixels(pixelIndex(0, h, w) * 3, 0) {}

    void blend(int x, int y, Rgb c, double coverage) {
        if (x < 0 || y < 0 || x >= width || y >= height || coverage <= 0.0) return;
        coverage = std::min(coverage, 1.0);
        std::uint8_t* p = &pixels[pixelIndex(x, y, width) * 3];
        const std::uint8_t src[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; ++i)
            p[i] = static_cast<std::uint8_t>(std::lround(p[i] + (src[i] - p[i]) * coverage));
    }

    // Fills the half-open rectangle [x0, x1) x [y0, y1), clipped to the canvas.
    void fillRect(int x0, int y0, int x1, int y1, Rgb c) {
        x0 = std::max(x0, 0);
        y0 = std::max(y0, 0);
        x1 = std::min(x1, width);
        y1 = std::min(y1, height);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) blend(x, y, c, 1.0);
    }

    // Fills every point within halfWidth of the line through (ax, ay) and
    // (bx, by), smoothing the edges with 4 x 4 samples per pixel.
    void fillLineBand(double ax, double ay, double bx, double by, double halfWidth, Rgb c) {
        constexpr int kSamples = 4;
        const double dx = bx - ax;
        const double dy = by - ay;
        const double length = std::hypot(dx, dy);
        if (length <= 0.0) return;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int inside = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double px = x + (sx + 0.5) / kSamples;
                        const double py = y + (sy + 0.5) / kSamples;
                        const double distance = std::fabs((px - ax) * dy - (py - ay) * dx) / length;
                        if (distance <= halfWidth) ++inside;
                    }
                }
                blend(x, y, c, static_cast<double>(inside) / (kSamples * kSamples));
            }
        }
    }
};

std::vector<std::uint8_t> encodeJpeg(const Canvas& canvas, int quality) {
    std::vector<std::uint8_t> bytes;
    auto append = [](void* context, void* data, int size) {
        auto* target = static_cast<std::vector<std::uint8_t>*>(context);
        const auto* first = static_cast<const std::uint8_t*>(data);
        target->insert(target->end(), first, first + size);
    };
    if (stbi_write_jpg_to_func(append, &bytes, canvas.width, canvas.height, 3, canvas.pixels.data(),
                               quality) == 0 ||
        bytes.empty())
        fail("JPEG encoding failed");
    return bytes;
}

// ---------------------------------------------------------------------------
// Flags

constexpr int kFlagWidth = 64;
constexpr int kFlagHeight = 40;
constexpr int kFlagQuality = 95;

struct Band {
    Rgb color;
    int weight;
};

enum class Direction { Vertical, Horizontal };

// Splits the canvas into three stripes whose sizes follow the band weights.
void drawStripes(Canvas& c, Direction direction, const std::array<Band, 3>& bands) {
    const int extent = direction == Direction::Vertical ? c.width : c.height;
    int total = 0;
    for (const Band& b : bands) total += b.weight;
    int sum = 0;
    for (const Band& b : bands) {
        const int from = (sum * extent + total / 2) / total;
        sum += b.weight;
        const int to = (sum * extent + total / 2) / total;
        if (direction == Direction::Vertical)
            c.fillRect(from, 0, to, c.height, b.color);
        else
            c.fillRect(0, from, c.width, to, b.color);
    }
}

constexpr Rgb kWhite{255, 255, 255};

void drawUnionFlag(Canvas& c) {
    constexpr Rgb blue{1, 33, 105};
    constexpr Rgb red{200, 16, 46};
    const double w = c.width;
    const double h = c.height;

    c.fillRect(0, 0, c.width, c.height, blue);

    // Diagonals: a broad white saltire with a narrow red one on top.
    c.fillLineBand(0, 0, w, h, h * 0.10, kWhite);
    c.fillLineBand(0, h, w, 0, h * 0.10, kWhite);
    c.fillLineBand(0, 0, w, h, h * 0.035, red);
    c.fillLineBand(0, h, w, 0, h * 0.035, red);

    // Upright cross: white with a red centre.
    const int cx = c.width / 2;
    const int cy = c.height / 2;
    const int white = c.height / 6;    // half width of the white cross
    const int redHalf = c.height / 10; // half width of the red cross
    c.fillRect(cx - white, 0, cx + white, c.height, kWhite);
    c.fillRect(0, cy - white, c.width, cy + white, kWhite);
    c.fillRect(cx - redHalf, 0, cx + redHalf, c.height, red);
    c.fillRect(0, cy - redHalf, c.width, cy + redHalf, red);
}

void drawItalianFlag(Canvas& c) {
    drawStripes(c, Direction::Vertical, {{{{0, 146, 70}, 1}, {kWhite, 1}, {{206, 43, 55}, 1}}});
}

void drawGermanFlag(Canvas& c) {
    drawStripes(c, Direction::Horizontal, {{{{0, 0, 0}, 1}, {{221, 0, 0}, 1}, {{255, 206, 0}, 1}}});
}

void drawFrenchFlag(Canvas& c) {
    drawStripes(c, Direction::Vertical, {{{{0, 35, 149}, 1}, {kWhite, 1}, {{237, 41, 57}, 1}}});
}

void drawSpanishFlag(Canvas& c) {
    constexpr Rgb red{170, 21, 27};
    drawStripes(c, Direction::Horizontal, {{{red, 1}, {{241, 191, 0}, 2}, {red, 1}}});
}

struct FlagEntry {
    std::string_view language; // also the folder name under lang/
    void (*draw)(Canvas&);
};

constexpr std::array<FlagEntry, 5> kFlags{{
    {"English", &drawUnionFlag},
    {"Italian", &drawItalianFlag},
    {"German", &drawGermanFlag},
    {"French", &drawFrenchFlag},
    {"Spanish", &drawSpanishFlag},
}};

void writeFlags(const fs::path& outDir) {
    for (const FlagEntry& flag : kFlags) {
        const std::string language(flag.language);
        const fs::path dir = outDir / "lang" / language;
        makeDirectories(dir);
        Canvas canvas(kFlagWidth, kFlagHeight);
        flag.draw(canvas);
        writeFile(dir / (language + "_2.jpg"), encodeJpeg(canvas, kFlagQuality));
    }
}

// ---------------------------------------------------------------------------
// Program icon

struct Rgba {
    std::uint8_t r, g, b, a;
};

struct IconImage {
    int size;
    std::vector<Rgba> pixels; // top row first
};

bool insideRoundedRect(double u, double v, double x0, double y0, double x1, double y1, double radius) {
    if (u < x0 || u > x1 || v < y0 || v > y1) return false;
    const double cx = std::clamp(u, x0 + radius, x1 - radius);
    const double cy = std::clamp(v, y0 + radius, y1 - radius);
    return std::hypot(u - cx, v - cy) <= radius;
}

bool insideCircle(double u, double v, double cx, double cy, double radius) {
    return std::hypot(u - cx, v - cy) <= radius;
}

Rgb mix(Rgb a, Rgb b, double t) {
    auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Where the parts of the icon sit, in the unit square (0,0 = top left).
// The straight edges are snapped to the pixel grid of the target size so the
// frame stays crisp even at 16 x 16.
struct IconLayout {
    double tileMargin, tileRadius;
    double frameX0, frameY0, frameX1, frameY1; // outer edge of the white frame
    double border;                             // frame thickness

    explicit IconLayout(int size) {
        const double n = size;
        auto snap = [n](double t) { return std::round(t * n) / n; };
        tileMargin = snap(0.03);
        tileRadius = 0.20;
        frameX0 = snap(0.16);
        frameY0 = snap(0.22);
        frameX1 = snap(0.84);
        frameY1 = snap(0.80);
        border = std::max(snap(0.07), 1.0 / n);
    }
};

// The icon: a rounded blue tile holding a white-framed picture of a sun over
// two hills. Returns false where the icon is transparent.
bool iconColorAt(const IconLayout& l, double u, double v, Rgb& out) {
    if (!insideRoundedRect(u, v, l.tileMargin, l.tileMargin, 1.0 - l.tileMargin, 1.0 - l.tileMargin,
                           l.tileRadius))
        return false;

    const double px0 = l.frameX0 + l.border, py0 = l.frameY0 + l.border;
    const double px1 = l.frameX1 - l.border, py1 = l.frameY1 - l.border;

    if (u >= px0 && u < px1 && v >= py0 && v < py1) {
        if (insideCircle(u, v, 0.62, 0.42, 0.085))
            out = {255, 204, 0}; // sun
        else if (insideCircle(u, v, 0.34, 0.95, 0.36))
            out = {52, 168, 72}; // near hill
        else if (insideCircle(u, v, 0.74, 0.90, 0.26))
            out = {28, 118, 50}; // far hill
        else
            out = mix({120, 190, 250}, {200, 232, 255}, (v - py0) / (py1 - py0)); // sky
        return true;
    }
    if (u >= l.frameX0 && u < l.frameX1 && v >= l.frameY0 && v < l.frameY1) {
        out = kWhite;
        return true;
    }
    out = mix({60, 140, 235}, {20, 78, 170}, v); // tile, lighter at the top
    return true;
}

// Renders the icon at size x size pixels with 8 x 8 samples per pixel; the
// alpha channel carries the edge coverage, the colour is not premultiplied.
IconImage renderIcon(int size) {
    constexpr int kSamples = 8;
    constexpr int kSampleCount = kSamples * kSamples;
    const IconLayout layout(size);
    IconImage image{size, std::vector<Rgba>(pixelIndex(0, size, size))};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int sumR = 0, sumG = 0, sumB = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double u = (x + (sx + 0.5) / kSamples) / size;
                    const double v = (y + (sy + 0.5) / kSamples) / size;
                    Rgb c{};
                    if (iconColorAt(layout, u, v, c)) {
                        ++covered;
                        sumR += c.r;
                        sumG += c.g;
                        sumB += c.b;
                    }
                }
            }
            Rgba& p = image.pixels[pixelIndex(x, y, size)];
            if (covered == 0) {
                p = {0, 0, 0, 0};
                continue;
            }
            p.r = static_cast<std::uint8_t>((sumR + covered / 2) / covered);
            p.g = static_cast<std::uint8_t>((sumG + covered / 2) / covered);
            p.b = static_cast<std::uint8_t>((sumB + covered / 2) / covered);
            p.a = static_cast<std::uint8_t>((covered * 255 + kSampleCount / 2) / kSampleCount);
        }
    }
    return image;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// One icon image as stored in an .ico file: BITMAPINFOHEADER, 32-bit BGRA
// rows bottom-up, then the 1-bit AND mask (1 = transparent), rows padded
// to 32 bits. The header height counts both the colour rows and the mask.
std::vector<std::uint8_t> encodeIconDib(const IconImage& image) {
    const auto size = static_cast<std::uint32_t>(image.size);
    const std::uint32_t colorBytes = size * size * 4;
    const std::uint32_t maskStride = ((size + 31) / 32) * 4;
    const std::uint32_t maskBytes = maskStride * size;

    std::vector<std::uint8_t> dib;
    dib.reserve(40 + colorBytes + maskBytes);
    put32(dib, 40);                     // biSize
    put32(dib, size);                   // biWidth
    put32(dib, size * 2);               // biHeight: colour + mask
    put16(dib, 1);                      // biPlanes
    put16(dib, 32);                     // biBitCount
    put32(dib, 0);                      // biCompression = BI_RGB
    put32(dib, colorBytes + maskBytes); // biSizeImage
    put32(dib, 0);                      // biXPelsPerMeter
    put32(dib, 0);                      // biYPelsPerMeter
    put32(dib, 0);                      // biClrUsed
    put32(dib, 0);                      // biClrImportant

    for (std::uint32_t row = 0; row < size; ++row) {
        const std::uint32_t y = size - 1 - row;
        for (std::uint32_t x = 0; x < size; ++x) {
            const Rgba& p = image.pixels[y * size + x];
            dib.push_back(p.b);
            dib.push_back(p.g);
            dib.push_back(p.r);
            dib.push_back(p.a);
        }
    }
    for (std::uint32_t row = 0; row < size; ++row) {
        const std::uint32_t y = size - 1 - row;
        std::vector<std::uint8_t> mask(maskStride, 0);
        for (std::uint32_t x = 0; x < size; ++x)
            if (image.pixels[y * size + x].a == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        dib.insert(dib.end(), mask.begin(), mask.end());
    }
    return dib;
}

// ICONDIR, one ICONDIRENTRY per image, then the images.
std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images) {
    std::vector<std::vector<std::uint8_t>> dibs;
    for (const IconImage& image : images) {
        if (image.size < 1 || image.size > 255) fail("icon size out of range: " + std::to_string(image.size));
        dibs.push_back(encodeIconDib(image));
    }

    std::vector<std::uint8_t> ico;
    put16(ico, 0);                                         // reserved
    put16(ico, 1);                                         // type: icon
    put16(ico, static_cast<std::uint32_t>(images.size())); // image count

    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto size = static_cast<std::uint8_t>(images[i].size);
        ico.push_back(size); // width
        ico.push_back(size); // height
        ico.push_back(0);    // colour count (0 = no palette)
        ico.push_back(0);    // reserved
        put16(ico, 1);       // planes
        put16(ico, 32);      // bits per pixel
        put32(ico, static_cast<std::uint32_t>(dibs[i].size()));
        put32(ico, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const auto& dib : dibs) ico.insert(ico.end(), dib.begin(), dib.end());
    return ico;
}

void writeIcon(const fs::path& outDir) {
    makeDirectories(outDir);
    writeFile(outDir / "vellicor.ico", encodeIco({renderIcon(32), renderIcon(16)}));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: MakeArt <outdir>\n";
        return 1;
    }
    try {
        const fs::path outDir(argv[1]);
        writeFlags(outDir);
        writeIcon(outDir);
    } catch (const std::exception& e) {
        fail(e.what());
    }
    return 0;
}
