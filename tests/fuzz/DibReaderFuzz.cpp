// A clipboard bitmap of any bytes is refused, or read within its data; its
// pixels then give a fingerprint and a preview.
#include "FuzzCheck.h"
#include "capture/DibReader.h"
#include "capture/PixelRows.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The data is copied so that AddressSanitizer sees a read past its end.
    const std::vector<std::uint8_t> dib(data, data + size);
    capture::DibLayout layout;
    if (capture::ReadDibLayout(dib.data(), dib.size(), layout) != capture::DibProblem::None) return 0;
    fuzzing::Require(layout.width > 0 && layout.height > 0, "a read picture has a size");
    fuzzing::Require(layout.bits + layout.stride * static_cast<std::size_t>(layout.height) <= size,
                     "every row lies within the data");
    constexpr std::int64_t kLargestConverted = 1 << 22; // the fuzzer's memory, not the reader's limit
    if (static_cast<std::int64_t>(layout.width) * layout.height > kLargestConverted) return 0;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(layout.width) * layout.height * 4);
    capture::ConvertDibPixels(dib.data(), layout, pixels.data());
    const capture::PixelRows rows{layout.width, layout.height, static_cast<std::ptrdiff_t>(layout.width) * 4,
                                  pixels.data()};
    (void)capture::Fingerprint(rows);
    std::vector<std::uint8_t> preview(3 * 2 * 4);
    if (layout.width >= 3 && layout.height >= 2) capture::ScaleDown(rows, 3, 2, preview.data());
    return 0;
}
