// What the fuzz target of every reader of encoded pictures (PNG, JPEG,
// WebP) checks: a file of any bytes is refused, or read within the size its
// header announced; the picture then settles its alpha.
#pragma once

#include "FuzzCheck.h"
#include "capture/EncodedPicture.h"
#include "capture/Transparency.h"

#include <vector>

namespace fuzzing {

template <capture::EncodedPictureReader Reader>
int FuzzEncodedReader(const std::uint8_t* data, std::size_t size) {
    // The data is copied so that AddressSanitizer sees a read past its end.
    const std::vector<std::uint8_t> file(data, data + size);
    Reader reader(file.data(), file.size());
    if (!reader.ReadHeader().ok()) return 0;
    Require(capture::FitsDecodeBounds(reader.Width(), reader.Height()), "a read header is within the bounds");
    constexpr std::int64_t kLargestDecoded = 1 << 22; // the fuzzer's memory, not the reader's limit
    if (static_cast<std::int64_t>(reader.Width()) * reader.Height() > kLargestDecoded) return 0;
    const std::size_t count =
        static_cast<std::size_t>(reader.Width()) * static_cast<std::size_t>(reader.Height());
    std::vector<std::uint8_t> pixels(count * 4);
    if (!reader.ReadPixels(pixels.data()).ok()) return 0;
    Require(reader.FileSize() <= size, "the file lies within the bytes given");
    capture::SettleAlpha(pixels.data(), count, capture::AlphaColours::Straight);
    for (std::size_t i = 0; i < count; ++i) Require(pixels[i * 4 + 3] == 0, "settled pixels hold no alpha");
    return 0;
}

} // namespace fuzzing
