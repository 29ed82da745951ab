// Reading PNG files that other programs put on the clipboard, through libpng:
// every kind (palette, grey, grey with alpha, 16 bits, interlaced) comes out
// as top-down rows of blue, green, red, alpha bytes, alpha as stored (not
// multiplied into the colours) when the file has transparency, else 0. The size is read and checked first, so
// the caller takes memory only for a picture within the bounds.
#pragma once

#include "capture/EncodedPicture.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace capture {

class PngReader {
  public:
    // The data must stay as it is while the reader reads it.
    PngReader(const std::uint8_t* data, std::size_t size);
    ~PngReader();
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    // Reads the header up to the first pixel: the size, then the bounds.
    DecodeResult ReadHeader();
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The file has an alpha channel or a transparent colour.
    bool HasAlpha() const { return hasAlpha_; }
    // After good pixels: the bytes of the file up to its end chunk (the
    // clipboard's block may be longer).
    std::size_t FileSize() const { return fileSize_; }

    // After a good header: the pixels into `out` (Width() * 4 bytes a row,
    // Height() rows), then the rest of the file, checksums included.
    DecodeResult ReadPixels(std::uint8_t* out);

    struct State;

  private:
    std::unique_ptr<State> state_;
    int width_ = 0;
    int height_ = 0;
    bool hasAlpha_ = false;
    std::size_t fileSize_ = 0;
};

static_assert(EncodedPictureReader<PngReader>);

} // namespace capture
