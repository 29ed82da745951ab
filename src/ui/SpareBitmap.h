// The bitmap of the last picture that was let go, kept for the next of the
// same size: copied pictures often come one after another at one size
// (screenshots), and memory already used is written faster than fresh
// memory, which the system must first find and clear page by page. Only
// bitmaps between two bounds are kept: small ones (a picture's preview, let
// go right after it) are made afresh at little cost, and keeping one would
// push out the picture's bitmap. Pictures come and go on several threads.
// Whoever makes pictures in a stream (the capture engine) owns one and hands
// it to Picture::FromFilledRows; a picture let go after its spare is gone
// simply frees its bitmap.
#pragma once

#include "ui/WinHandles.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

namespace ui {

// A 32-bit top-down DIB section of the given size, or nothing.
struct DibSection {
    UniqueBitmap bitmap;
    std::uint8_t* bits = nullptr; // owned by the bitmap
    int width = 0;
    int height = 0;
};

class SpareBitmap {
  public:
    static constexpr std::size_t kMinBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    // The kept bitmap when it has this size; else nothing.
    DibSection Take(int width, int height);
    // Keeps the bitmap in place of the one kept before, if its size is within the bounds.
    void Give(DibSection dib);

  private:
    std::mutex mutex_;
    DibSection spare_;
};

} // namespace ui
