// What the readers of encoded pictures that other programs put on the
// clipboard ("PNG", "JFIF") share: the bounds checked against the size a
// picture's header announces, before any memory is taken for its pixels,
// and how a read ends.
#pragma once

#include "capture/DibReader.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>

namespace capture {

// The largest width or height taken from an encoded picture.
inline constexpr int kMaxEncodedSide = 16384;

enum class DecodeProblem {
    None,
    Damaged,     // not a picture of its kind, truncated, a bad checksum, an index out of range
    TooLarge,    // announces more than kMaxEncodedSide or more pixels than memory may hold
    Unsupported, // a kind of picture the reader does not take
};

inline bool FitsDecodeBounds(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxEncodedSide && height <= kMaxEncodedSide &&
           width * height <= kMaxDibPixels;
}

// One read's result: the problem, and the library's own words about it.
struct DecodeResult {
    DecodeProblem problem = DecodeProblem::None;
    std::string message;
    bool ok() const { return problem == DecodeProblem::None; }
};

// A reader of one encoded file (PngReader, JfifReader), made over its bytes:
// the header first, which tells the size (and whether alpha means
// something) before any memory is taken, then the pixels into top-down rows
// of blue, green, red, alpha; the file's own length within the bytes given.
template <typename Reader>
concept EncodedPictureReader = std::constructible_from<Reader, const std::uint8_t*, std::size_t> &&
    requires(Reader reader, const Reader& read, std::uint8_t* rows) {
    { reader.ReadHeader() } -> std::same_as<DecodeResult>;
    { read.Width() } -> std::same_as<int>;
    { read.Height() } -> std::same_as<int>;
    { read.HasAlpha() } -> std::same_as<bool>;
    { read.FileSize() } -> std::same_as<std::size_t>;
    { reader.ReadPixels(rows) } -> std::same_as<DecodeResult>;
};

} // namespace capture
