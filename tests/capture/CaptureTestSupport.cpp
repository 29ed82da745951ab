#include "CaptureTestSupport.h"

#include <cstring>

#include "app/LogText.h"
#include "clipboard/ClipViewerForm.h"
#include "notify/NotificationForm.h"
#include "ui/AppTitle.h"
#include "ui/SingleInstance.h"
#include "ui/WinHandles.h"

#include <stb_image.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace capture_testing {

void PutBitmapOnClipboard(const ui::Picture& picture, const std::string& alsoText) {
    // A device-dependent copy, as a program that copies a picture offers it.
    ui::ScopedGetDC screen(nullptr);
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, picture.Width(), picture.Height()));
    ASSERT_TRUE(bitmap);
    {
        ui::UniqueDC dc(CreateCompatibleDC(screen));
        ui::ScopedSelectObject select(dc.get(), bitmap.get());
        RECT all{0, 0, picture.Width(), picture.Height()};
        SetStretchBltMode(dc.get(), COLORONCOLOR);
        picture.Draw(dc.get(), all);
    }
    ui::ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    EmptyClipboard();
    if (!alsoText.empty()) {
        ui::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, alsoText.size() + 1));
        ASSERT_TRUE(memory);
        {
            ui::GlobalLockGuard<char> lock(memory.get());
            std::memcpy(lock.get(), alsoText.c_str(), alsoText.size() + 1);
        }
        if (SetClipboardData(CF_TEXT, memory.get())) (void)memory.release();
    }
    if (SetClipboardData(CF_BITMAP, bitmap.get())) (void)bitmap.release();
}

ui::Picture BitmapFromClipboard() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    return ui::Picture::FromBitmap(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
}

bool ClipboardIsEmpty() {
    return CountClipboardFormats() == 0;
}

DecodedPicture DecodeFile(const std::filesystem::path& path) {
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
        stbi_load(path.string().c_str(), &width, &height, &channels, 3), &stbi_image_free);
    if (!pixels) return {};
    DecodedPicture decoded{width, height, {}};
    decoded.rgb.assign(pixels.get(),
                       pixels.get() + static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    return decoded;
}

PixelError Compare(const ui::Picture& picture, const DecodedPicture& decoded) {
    PixelError error;
    const size_t count = static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height());
    if (decoded.rgb.size() != count * 3 || count == 0) return {255, 255};
    double sum = 0;
    const std::uint8_t* bgrx = picture.Bits();
    for (size_t i = 0; i < count; ++i, bgrx += 4) {
        for (int c = 0; c < 3; ++c) {
            const int difference = std::abs(static_cast<int>(decoded.rgb[i * 3 + static_cast<size_t>(c)]) -
                                            static_cast<int>(bgrx[2 - c]));
            sum += difference;
            error.largest = std::max(error.largest, difference);
        }
    }
    error.mean = sum / static_cast<double>(count * 3);
    return error;
}

JpegHeader ReadJpegHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return ReadJpegHeader(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> AllFilesUnder(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

constexpr char kChattr[] = "Z:\\usr\\bin\\chattr";

// The Unix path of a folder that Wine reaches through a drive letter.
std::string UnixPath(const std::filesystem::path& folder) {
    using Converter = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return {};
    char* unix = convert(folder.wstring().c_str());
    if (!unix) return {};
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool FolderTakesNewFiles(const std::filesystem::path& folder) {
    // A new file under a fresh name each time: a probe left behind must not
    // pass for a locked folder.
    static unsigned counter = 0;
    const std::string probe = (folder / ("probe-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(++counter) + ".tmp"))
                                  .string();
    ui::UniqueHandle file(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.get() != INVALID_HANDLE_VALUE && file;
}

// Wine starts Unix programs without a handle to wait for: the change is
// awaited by looking at the folder.
bool RunChattr(const std::filesystem::path& folder, const char* change, bool wantWritable) {
    const std::string unixPath = UnixPath(folder);
    if (unixPath.empty() || GetFileAttributesA(kChattr) == INVALID_FILE_ATTRIBUTES) return false;
    std::string command = std::string("chattr ") + change + " \"" + unixPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(kChattr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    ui::UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    return testing_support::PumpUntil([&] { return FolderTakesNewFiles(folder) == wantWritable; }, 5000);
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path folder)
    : folder_(std::move(folder)), locked_(RunChattr(folder_, "+i", false)) {}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (!locked_) return;
    RunChattr(folder_, "-i", true);
    // A probe made just before the lock took hold could not be removed then.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored))
        if (entry.path().filename().string().rfind("probe-", 0) == 0)
            std::filesystem::remove(entry.path(), ignored);
}

// --- The program -------------------------------------------------------------

CaptureTest::CaptureTest() : main(program.Main()) {}

void CaptureTest::SetUp() {
    ui::SetInstanceName("Local\\VellicorCaptureTest-" + std::to_string(GetCurrentProcessId()));
    ui::SetAppTitle("Vellicor Rizezuza");
    dir.Write("VLCRLANG.DRV", testing_support::ShippedDriver());
    main.Set_Language();
    main.options.Check8.SetValue(1);
    main.options.Check3.SetValue(1);
    main.options.Option1.SetValue(true);
    for (int slot = 1; slot <= app::kSlotCount; ++slot) {
        std::filesystem::create_directories(SlotFolder(slot));
        main.targets.FolderText(slot).SetText(SlotFolder(slot).string());
        main.targets.InUse(slot).SetValue(1);
    }
    ui::TextBox& counter = program.Notifications().txt_Timer2;
    counter.OnChange = [this, &counter, closeSequence = counter.OnChange] {
        counterTexts.push_back(counter.Text());
        if (closeSequence) closeSequence();
    };
}

void CaptureTest::Capture(const ui::Picture& picture) {
    main.capture.Get_Clipboard_Content(capture::CaughtPicture{picture, picture, false, {}});
    main.capture.engine.FinishSaves();
}

void CaptureTest::Save(int slot) {
    main.saver.Save_Picture(slot);
    main.capture.engine.FinishSaves();
}

std::filesystem::path CaptureTest::SlotFolder(int slot) const {
    return dir.Path() / ("slot" + std::to_string(slot));
}

std::string CaptureTest::LastLog() const {
    const int count = main.lst_Log.ListCount();
    return count > 0 ? main.lst_Log.List(count - 1) : std::string();
}

std::string CaptureTest::LogMessage(int i) const {
    const std::string line = main.lst_Log.List(i);
    const size_t dash = line.find(" - ");
    return dash == std::string::npos ? std::string() : line.substr(dash + 3);
}

std::string CaptureTest::LogLine(const std::string& message) const {
    return app::LogLineText(ui::ShortDateText(clock.when), ui::TimeText(clock.when), message);
}

} // namespace capture_testing
