// A WebP file of any bytes is refused, or read within the size its header
// announced; the picture then settles its alpha.
#include "FuzzCheck.h"
#include "capture/Transparency.h"
#include "capture/WebpReader.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The data is copied so that AddressSanitizer sees a read past its end.
    const std::vector<std::uint8_t> file(data, data + size);
    capture::WebpReader reader(file.data(), file.size());
    if (!reader.ReadHeader().ok()) return 0;
    fuzzing::Require(capture::FitsDecodeBounds(reader.Width(), reader.Height()),
                     "a read header is within the bounds");
    constexpr std::int64_t kLargestDecoded = 1 << 22; // the fuzzer's memory, not the reader's limit
    if (static_cast<std::int64_t>(reader.Width()) * reader.Height() > kLargestDecoded) return 0;
    const std::size_t count =
        static_cast<std::size_t>(reader.Width()) * static_cast<std::size_t>(reader.Height());
    std::vector<std::uint8_t> pixels(count * 4);
    if (!reader.ReadPixels(pixels.data()).ok()) return 0;
    capture::SettleAlpha(pixels.data(), count, capture::AlphaColours::Straight);
    for (std::size_t i = 0; i < count; ++i)
        fuzzing::Require(pixels[i * 4 + 3] == 0, "settled pixels hold no alpha");
    return 0;
}
