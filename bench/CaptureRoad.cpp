// The road of one capture timed from outside the program, as a user meets
// it: a Windows-side program sets a photo-like picture as CF_DIB, and the
// time runs until its reader is done.
//
//   CaptureRoad reader
//       a bare reader: hears every change through a clipboard format
//       listener, takes the CF_DIB's bytes out, and signals each read.
//   CaptureRoad bare WIDTH HEIGHT COUNT SEED
//       sets COUNT pictures and times each until the bare reader has its
//       bytes (the floor: the reader runs alone, nothing else reads).
//   CaptureRoad program FOLDER WIDTH HEIGHT COUNT SEED
//       sets COUNT pictures and times each until a new JPEG stands in FOLDER
//       (the program's target folder; its unfinished files are .tmp).
//   CaptureRoad ppm FILE WIDTH HEIGHT SEED
//       writes the pixels of that picture as a PPM file (for cjpeg).
//
// Prints one time in milliseconds per picture, a line each.
#include "ui/WinHandles.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kReadEvent[] = L"Local\\VellicorCaptureRoadRead";
constexpr DWORD kPatienceMs = 60000;
constexpr DWORD kSettleMs = 400; // between pictures: the last one's saving is over

using Clock = std::chrono::steady_clock;

// Photo-like: a gradient under fine grain, so a JPEG of it is as large as a photo's.
std::vector<std::uint8_t> PhotoRows(int width, int height, unsigned seed) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height));
    std::uint32_t state = 2463534242u ^ (seed * 2654435761u);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = static_cast<int>(state & 31) - 16;
            const int base[3] = {x * 255 / width, y * 255 / height,
                                 (x + y + static_cast<int>(seed) * 40) % 256};
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = static_cast<std::uint8_t>(std::clamp(base[c] + grain, 0, 255));
        }
    }
    return rows;
}

ui::UniqueGlobal MakeDib(int width, int height, unsigned seed) {
    const std::vector<std::uint8_t> rows = PhotoRows(width, height, seed);
    ui::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + rows.size()));
    if (!block) return block;
    ui::GlobalLockGuard<std::uint8_t> lock(block.get());
    std::uint8_t* bytes = lock.get();
    if (!bytes) return {};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height; // top-down, as the rows were made
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, rows.data(), rows.size());
    return block;
}

bool OpenWithPatience(HWND window) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (OpenClipboard(window)) return true;
        Sleep(2);
    }
    return false;
}

bool SetDib(ui::UniqueGlobal dib) {
    if (!OpenWithPatience(nullptr)) return false;
    EmptyClipboard();
    const bool set = SetClipboardData(CF_DIB, dib.get()) != nullptr;
    if (set) (void)dib.release(); // the clipboard owns it now
    CloseClipboard();
    return set;
}

int JpegCount(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const ui::UniqueFind search(FindFirstFileW((folder + L"\\*.jpg").c_str(), &found));
    if (search.get() == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileW(search.get(), &found));
    return count;
}

// Times COUNT pictures: `arm()` runs before each is set, `done(start)` tells
// when it has arrived.
template <typename Arm, typename Done>
int TimePictures(int width, int height, int count, unsigned seed, Arm arm, Done done) {
    for (int i = 0; i < count; ++i) {
        ui::UniqueGlobal dib = MakeDib(width, height, seed + static_cast<unsigned>(i));
        if (!dib) return 1;
        arm();
        const Clock::time_point start = Clock::now();
        {
            LARGE_INTEGER f, t;
            QueryPerformanceFrequency(&f);
            QueryPerformanceCounter(&t);
            char l[80];
            std::snprintf(l, 80, "STEP %.2f set begins\n", t.QuadPart * 1000.0 / f.QuadPart);
            OutputDebugStringA(l);
        }
        if (!SetDib(std::move(dib))) return 1;
        {
            LARGE_INTEGER f, t;
            QueryPerformanceFrequency(&f);
            QueryPerformanceCounter(&t);
            char l[80];
            std::snprintf(l, 80, "STEP %.2f set done\n", t.QuadPart * 1000.0 / f.QuadPart);
            OutputDebugStringA(l);
        }
        if (!done(start)) {
            std::fprintf(stderr, "picture %d did not arrive\n", i);
            return 1;
        }
        std::printf("%.1f\n", std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        std::fflush(stdout);
        Sleep(kSettleMs);
    }
    return 0;
}

LRESULT CALLBACK ReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CLIPBOARDUPDATE) return DefWindowProcW(window, message, wParam, lParam);
    if (!IsClipboardFormatAvailable(CF_DIB) || !OpenWithPatience(window)) return 0;
    bool read = false;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        if (const void* bytes = GlobalLock(data)) {
            std::vector<std::uint8_t> copy(GlobalSize(data));
            std::memcpy(copy.data(), bytes, copy.size());
            GlobalUnlock(data);
            read = true;
        }
    }
    CloseClipboard();
    if (read) SetEvent(static_cast<HANDLE>(GetPropW(window, L"ReadEvent")));
    return 0;
}

int RunReader() {
    const ui::UniqueHandle event(CreateEventW(nullptr, FALSE, FALSE, kReadEvent));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReaderProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CaptureRoadReader";
    RegisterClassW(&windowClass);
    const ui::UniqueWindow window(CreateWindowW(L"CaptureRoadReader", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!event || !window || !AddClipboardFormatListener(window.get())) return 1;
    SetPropW(window.get(), L"ReadEvent", event.get());
    std::printf("listening\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int WritePpm(const wchar_t* file, int width, int height, unsigned seed) {
    const std::vector<std::uint8_t> rows = PhotoRows(width, height, seed);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    FILE* out = _wfopen(file, L"wb");
    if (!out) return 1;
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) // the DIB's rows are blue, green, red
            for (int c = 0; c < 3; ++c) rgb[static_cast<std::size_t>(x) * 3 + c] = row[x * 3 + 2 - c];
        std::fwrite(rgb.data(), 1, rgb.size(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    const auto number = [&](int i) { return argc > i ? _wtoi(argv[i]) : 0; };
    if (mode == L"reader") return RunReader();
    if (mode == L"bare" && argc == 6) {
        const ui::UniqueHandle event(CreateEventW(nullptr, FALSE, FALSE, kReadEvent));
        if (!event) return 1;
        return TimePictures(
            number(2), number(3), number(4), static_cast<unsigned>(number(5)),
            [&] { ResetEvent(event.get()); },
            [&](Clock::time_point) {
                return WaitForSingleObject(event.get(), kPatienceMs) == WAIT_OBJECT_0;
            });
    }
    if (mode == L"program" && argc == 7) {
        const std::wstring folder = argv[2];
        int before = 0;
        return TimePictures(
            number(3), number(4), number(5), static_cast<unsigned>(number(6)),
            [&] { before = JpegCount(folder); },
            [&](Clock::time_point start) {
                while (JpegCount(folder) == before) {
                    if (Clock::now() - start > std::chrono::milliseconds(kPatienceMs)) return false;
                    Sleep(1);
                }
                return true;
            });
    }
    if (mode == L"ppm" && argc == 6) {
        return WritePpm(argv[2], number(3), number(4), static_cast<unsigned>(number(5)));
    }
    std::fprintf(stderr, "usage: CaptureRoad reader | bare W H COUNT SEED | program FOLDER W H COUNT SEED | "
                         "ppm FILE W H SEED\n");
    return 2;
}
