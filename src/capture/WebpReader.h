// Reading WebP files that other programs put on the clipboard
// ("image/webp"), through libwebp: lossy and lossless files, with or
// without alpha, come out as top-down rows of blue, green, red, alpha bytes
// (alpha as stored, not multiplied into the colours, when the file has any;
// else 0); an animated file gives its first picture. The size is read and
// checked first, so the caller takes memory only for a picture within the
// bounds.
#pragma once

#include "capture/EncodedPicture.h"

#include <cstddef>
#include <cstdint>

namespace capture {

class WebpReader {
  public:
    // The data must stay as it is while the reader reads it.
    WebpReader(const std::uint8_t* data, std::size_t size);

    // Reads the RIFF header and the picture's features: the size, then the bounds.
    DecodeResult ReadHeader();
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasAlpha() const { return hasAlpha_; }
    // The bytes of the RIFF file (the clipboard's block may be longer).
    std::size_t FileSize() const { return fileSize_; }

    // After a good header: the pixels into `out` (Width() * 4 bytes a row,
    // Height() rows). Data that ends early or is corrupt is refused.
    DecodeResult ReadPixels(std::uint8_t* out);

  private:
    DecodeResult ReadStill(std::uint8_t* out);
    DecodeResult ReadFirstFrame(std::uint8_t* out);

    const std::uint8_t* data_;
    std::size_t size_;
    int width_ = 0;
    int height_ = 0;
    bool hasAlpha_ = false;
    bool animated_ = false;
    std::size_t fileSize_ = 0;
};

static_assert(EncodedPictureReader<WebpReader>);

} // namespace capture
