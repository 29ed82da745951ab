// How a JPEG's picture stands: the orientation tag of its EXIF block (the
// camera or phone was turned), and where each stored pixel goes to stand as
// the user saw it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace capture {

// The orientation (1..8, 1: as stored) of an APP1 segment's data ("Exif\0\0"
// and a TIFF block); 1 for anything else or anything damaged.
int ExifOrientation(const std::uint8_t* app1, std::size_t size);

// Where a stored picture of width x height pixels lands when it is turned
// as `orientation` says: its size, and the place of each stored pixel.
class Orientation {
  public:
    Orientation(int orientation, int width, int height);
    int Width() const; // of the turned picture
    int Height() const;
    // Where stored row y goes, in pixels from the turned picture's first one:
    // its first pixel lands at Start(y), each next one Step() further.
    std::ptrdiff_t Start(int y) const;
    std::ptrdiff_t Step() const;

  private:
    int orientation_;
    int width_;  // stored
    int height_; // stored
};

} // namespace capture
