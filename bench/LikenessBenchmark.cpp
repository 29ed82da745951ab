// What telling near duplicates adds to the capture of an 8000 x 6000
// picture: the likeness of its small copy, which the capture makes anyway,
// beside the small copy itself and beside a likeness of the whole picture.
//   LikenessBenchmark [ROUNDS]
#include "capture/Likeness.h"
#include "capture/PixelRows.h"

#include "PixelTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

template <typename Work> double MedianMs(int rounds, Work work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    constexpr int kWidth = 8000, kHeight = 6000, kPreviewWidth = 217, kPreviewHeight = 163;
    const std::vector<std::uint32_t> pixels = capture_testing::TestPixels(kWidth, kHeight, 1);
    const capture::PixelRows whole{kWidth, kHeight, kWidth * 4,
                                   reinterpret_cast<const std::uint8_t*>(pixels.data())};
    std::vector<std::uint8_t> preview(static_cast<size_t>(kPreviewWidth) * kPreviewHeight * 4);
    const capture::PixelRows small{kPreviewWidth, kPreviewHeight, kPreviewWidth * 4, preview.data()};
    volatile std::uint64_t sink = 0;
    const double previewMs =
        MedianMs(rounds, [&] { capture::ScaleDown(whole, kPreviewWidth, kPreviewHeight, preview.data()); });
    const double likenessMs = MedianMs(rounds * 100, [&] { sink = sink + *capture::LikenessOf(small); });
    const double wholeMs = MedianMs(rounds, [&] { sink = sink + *capture::LikenessOf(whole); });
    std::printf("8000 x 6000: small copy %.1f ms (made anyway); likeness of the small copy %.3f ms; "
                "likeness of the whole picture %.1f ms\n",
                previewMs, likenessMs, wholeMs);
    return 0;
}
