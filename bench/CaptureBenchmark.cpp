// How long a capture takes inside one process: from the clipboard change to
// the finished JPEG in the slot's folder (the picture offered as CF_DIB, and
// as "PNG"), and the JPEG encoding alone: a full-HD and a 12-megapixel
// photo-like picture, and a 12-megapixel gradient (easily compressed). The
// capture from another program, beside a bare reader timed alone, is
// bench/measure-capture-road.sh. Each picture is also written as
// a PPM file so that run-capture-benchmark.sh can time cjpeg on the very same
// pixels.
//
//   CaptureBenchmark.exe OUTPUT_FOLDER [REPETITIONS]
//
// Prints one "RESULT" line per picture size (medians in milliseconds).
#include "app/App.h"
#include "app/MainForm.h"
#include "capture/JpegEncoder.h"
#include "capture/PictureRows.h"
#include "clipboard/ClipViewerForm.h"
#include "ui/AppTitle.h"
#include "ui/SingleInstance.h"

#include "PngTestFiles.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A finished picture: the worker writes a temporary file first.
bool FolderHasJpeg(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".jpg") return true;
    return false;
}

void EmptyFolder(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

// The clipboard change: another program offers the picture as CF_DIB or "PNG".
bool ChangeClipboard(UINT format, ui::UniqueGlobal data) {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard()) return false;
    if (!SetClipboardData(format, data.get())) return false;
    (void)data.release(); // the clipboard owns it now
    return true;
}

ui::UniqueGlobal PngOf(const ui::Picture& picture) {
    std::vector<std::uint32_t> rgb(static_cast<size_t>(picture.Width()) * picture.Height());
    std::memcpy(rgb.data(), picture.Bits(), rgb.size() * 4);
    const std::string png = capture_testing::EncodeRgbPng(picture.Width(), picture.Height(), rgb);
    ui::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, png.size()));
    if (!block) throw std::runtime_error("no memory for the PNG");
    {
        ui::GlobalLockGuard<std::uint8_t> lock(block.get());
        if (!lock.get()) throw std::runtime_error("the PNG's memory could not be locked");
        std::memcpy(lock.get(), png.data(), png.size());
    }
    return block;
}

class Bench {
  public:
    Bench() : main_(program_.Main()) {
        dir_.Write("VLCRLANG.DRV", testing_support::ShippedDriver());
        main_.Set_Language();
        main_.options.Option1.SetValue(true);
        main_.options.Check3.SetValue(1); // automatic capture into slot #1
        main_.options.Check8.SetValue(1);
        main_.targets.FolderText(1).SetText(slot_.string());
        EmptyFolder(slot_);
        // Once the viewer watches the clipboard, it starts the capture itself.
        program_.Viewer().Load();
    }

    // From the clipboard change to the JPEG in the folder: the viewer hears
    // of the change, the engine reads it, the worker encodes and writes.
    double TimeOneCapture(const ui::Picture& picture, bool asPng) {
        main_.capture.engine.FinishSaves();
        EmptyFolder(slot_);
        ui::UniqueGlobal data = asPng ? PngOf(picture) : capture_testing::PackedDib(picture);
        const UINT format = asPng ? RegisterClipboardFormatA("PNG") : CF_DIB;
        const Clock::time_point changed = Clock::now();
        if (!ChangeClipboard(format, std::move(data))) return -1;
        if (!testing_support::PumpUntil([&] { return FolderHasJpeg(slot_); }, 60000)) {
            for (int i = std::max(0, main_.lst_Log.ListCount() - 5); i < main_.lst_Log.ListCount(); ++i)
                std::fprintf(stderr, "log: %s\n", main_.lst_Log.List(i).c_str());
            return -1;
        }
        return MillisecondsSince(changed);
    }

  private:
    testing_support::TempStartDir dir_;
    testing_support::ScriptedDialogs dialogs_; // a failed save must not wait for a click
    app::App program_;
    app::MainForm& main_;
    std::filesystem::path slot_ = dir_.Path() / "slot1";
};

// A smooth gradient without grain: easily compressed.
ui::Picture GradientPicture(int width, int height, unsigned seed) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = static_cast<std::uint32_t>(x * 255 / width) << 16 |
                                                         static_cast<std::uint32_t>(y * 255 / height) << 8 |
                                                         (seed * 37 % 256);
    return ui::Picture::FromPixels(width, height, pixels.data());
}

} // namespace

int main(int argc, char** argv) {
    // The program's files live beside the .exe: run from a folder of our own.
    if (!testing_support::InOwnProgramFolder()) return testing_support::RunInOwnProgramFolder();
    if (argc < 2) {
        std::fprintf(stderr, "usage: CaptureBenchmark OUTPUT_FOLDER [REPETITIONS]\n");
        return 2;
    }
    const std::filesystem::path output = argv[1];
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::filesystem::create_directories(output);
    ui::SetInstanceName("Local\\VellicorCaptureBenchmark-" + std::to_string(GetCurrentProcessId()));
    ui::SetAppTitle("Vellicor Rizezuza");

    Bench bench;
    struct Case {
        const char* kind;
        int size[2];
        ui::Picture (*make)(int width, int height, unsigned seed);
    };
    const Case cases[] = {{"photo", {1920, 1080}, capture_testing::TestPicture},
                          {"photo", {4000, 3000}, capture_testing::TestPicture},
                          {"gradient", {4000, 3000}, GradientPicture}};
    for (const Case& c : cases) {
        const int* size = c.size;
        const ui::Picture picture = c.make(size[0], size[1], 1);
        const std::string name =
            std::string(c.kind) + "-" + std::to_string(size[0]) + "x" + std::to_string(size[1]);
        std::ofstream(output / (name + ".ppm"), std::ios::binary) << capture_testing::PortablePixmap(picture);

        std::vector<double> encode, road, roadPng;
        size_t jpegBytes = 0;
        const capture::PixelRows rows = capture::RowsOf(picture);
        for (int i = 0; i < repetitions; ++i) {
            const Clock::time_point start = Clock::now();
            jpegBytes = capture::EncodeJpeg(rows, 100).size();
            encode.push_back(MillisecondsSince(start));
        }
        for (int i = 0; i < repetitions; ++i)
            for (const bool asPng : {false, true}) {
                // A new picture each time: the same one again is not caught twice.
                const unsigned seed = static_cast<unsigned>(2 * i + asPng + 2);
                const double ms = bench.TimeOneCapture(c.make(size[0], size[1], seed), asPng);
                if (ms < 0) {
                    std::fprintf(stderr, "the capture of %s wrote no JPEG\n", name.c_str());
                    return 1;
                }
                (asPng ? roadPng : road).push_back(ms);
            }
        std::printf("RESULT %s road_ms=%.1f road_png_ms=%.1f encode_ms=%.1f jpeg_bytes=%zu ppm=%s.ppm\n",
                    name.c_str(), Median(road), Median(roadPng), Median(encode), jpegBytes, name.c_str());
        std::fflush(stdout);
    }
    return 0;
}
