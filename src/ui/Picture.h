// A picture value: a 32-bit top-down device-independent bitmap, or an
// enhanced metafile. Pictures never change once made, so copies share the
// same data.
#pragma once

#include "ui/WinHandles.h"

#include <cstdint>
#include <memory>

namespace ui {

class Picture {
public:
    Picture() = default;
    // Copies a bitmap (device-dependent or DIB section). Empty when it cannot be
    // held in memory.
    static Picture FromBitmap(HBITMAP bitmap, HPALETTE palette = nullptr);
    // Copies a packed DIB (BITMAPINFOHEADER, colours, bits) of the given size in bytes.
    static Picture FromPackedDib(const void* dib, size_t size);
    // Pixels as 0x00RRGGBB, rows top to bottom.
    static Picture FromPixels(int width, int height, const std::uint32_t* pixels);
    // Takes a copy of an enhanced metafile.
    static Picture FromEnhMetaFile(HENHMETAFILE metafile);
    // Loads a picture file (BMP or JPEG). Empty when it cannot be read.
    static Picture FromFile(const std::string& path);

    bool Empty() const { return !data_; }
    bool IsBitmap() const;
    bool IsMetafile() const;
    int Width() const;
    int Height() const;

    // The bitmap (a DIB section) or nullptr; owned by the picture.
    HBITMAP Bitmap() const;
    // Top-down rows of 4-byte pixels (blue, green, red, unused); nullptr for a metafile.
    const std::uint8_t* Bits() const;
    HENHMETAFILE MetaFile() const;

    // Draws the picture into the rectangle (stretched as needed).
    void Draw(HDC dc, const RECT& dest) const;

private:
    // A picture that owns a finished 32-bit DIB section.
    static Picture Adopt(UniqueBitmap bitmap, std::uint8_t* bits, int width, int height);
    struct Data;
    std::shared_ptr<const Data> data_;
};

} // namespace ui
