// A picture value: a 32-bit top-down device-independent bitmap, or an
// enhanced metafile. Pictures never change once made, so copies share the
// same data.
#pragma once

#include "ui/WinHandles.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class SpareBitmap;

class Picture {
  public:
    Picture() = default;
    // Copies a bitmap (device-dependent or DIB section). Empty when it cannot be
    // held in memory.
    static Picture FromBitmap(HBITMAP bitmap, HPALETTE palette = nullptr);
    // A bitmap whose top-down 4-byte rows (width * 4 bytes each) `fill`
    // writes, every byte of them. With a spare, the memory of a picture of
    // the same size that was let go may be used again, and this one's goes
    // back to it. Empty when it cannot be held in memory.
    static Picture FromFilledRows(int width, int height, const std::function<void(std::uint8_t* rows)>& fill,
                                  const std::shared_ptr<SpareBitmap>& spare = {});
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
    static Picture Adopt(UniqueBitmap bitmap, std::uint8_t* bits, int width, int height,
                         std::weak_ptr<SpareBitmap> spare = {});
    struct Data;
    std::shared_ptr<const Data> data_;
};

// Plays a metafile into the rectangle for at most about `budgetMs`
// milliseconds: what was drawn by then stays, the rest is left out. False
// when nothing could be played.
inline constexpr unsigned kMetafileBudgetMs = 200;
bool PlayMetafileWithinBudget(HDC dc, HENHMETAFILE metafile, const RECT& dest,
                              unsigned budgetMs = kMetafileBudgetMs);

} // namespace ui
