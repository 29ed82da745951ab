// A JPEG file of any bytes is refused, or read within the size its header
// announced, turned as its EXIF block says.
#include "FuzzCheck.h"
#include "capture/JfifReader.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The data is copied so that AddressSanitizer sees a read past its end.
    const std::vector<std::uint8_t> file(data, data + size);
    capture::JfifReader reader(file.data(), file.size());
    if (!reader.ReadHeader().ok()) return 0;
    fuzzing::Require(capture::FitsDecodeBounds(reader.Width(), reader.Height()),
                     "a read header is within the bounds");
    constexpr std::int64_t kLargestDecoded = 1 << 22; // the fuzzer's memory, not the reader's limit
    if (static_cast<std::int64_t>(reader.Width()) * reader.Height() > kLargestDecoded) return 0;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(reader.Width()) * reader.Height() * 4);
    (void)reader.ReadPixels(pixels.data());
    return 0;
}
