// Reading JPEG files that other programs put on the clipboard ("JFIF"),
// through libjpeg-turbo: grey, colour and CMYK pictures come out as top-down
// rows of blue, green, red, unused (0) bytes, turned as their EXIF orientation
// says so that they stand as the user saw them. The size is read and checked
// first, so the caller takes memory only for a picture within the bounds.
#pragma once

#include "capture/EncodedPicture.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace capture {

class JfifReader {
  public:
    // The data must stay as it is while the reader reads it.
    JfifReader(const std::uint8_t* data, std::size_t size);
    ~JfifReader();
    JfifReader(const JfifReader&) = delete;
    JfifReader& operator=(const JfifReader&) = delete;

    // Reads the markers up to the pixels: the size as the picture stands, then the bounds.
    DecodeResult ReadHeader();
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasAlpha() const { return false; }
    // After good pixels: the bytes of the file up to its end marker (the
    // clipboard's block may be longer).
    std::size_t FileSize() const { return fileSize_; }

    // After a good header: the pixels into `out` (Width() * 4 bytes a row,
    // Height() rows). Data that ends early or is corrupt is refused.
    DecodeResult ReadPixels(std::uint8_t* out);

    struct State;

  private:
    std::unique_ptr<State> state_;
    int width_ = 0;
    int height_ = 0;
    std::size_t fileSize_ = 0;
};

static_assert(EncodedPictureReader<JfifReader>);

} // namespace capture
