// Puts pictures on the clipboard from the Windows side, as a program that
// copies pictures does: each one as CF_DIB (24 bits, rows bottom to top).
//   SetPictures COUNT WIDTH HEIGHT PAUSE_MS [FIRST]
// sets COUNT different pictures, PAUSE_MS apart; picture i (from FIRST on,
// 0 by default) is filled with the colour KeyColour(i), which the test
// finds again in the saved JPEG. A COUNT of 0 sets picture FIRST twice.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Colour {
    unsigned char red, green, blue;
};

// Well apart for up to 64 pictures, so that a JPEG's mean colour tells which it is.
Colour KeyColour(int i) {
    return {static_cast<unsigned char>(20 + (i % 4) * 70), static_cast<unsigned char>(20 + (i / 4 % 4) * 70),
            static_cast<unsigned char>(20 + (i / 16 % 4) * 70)};
}

HGLOBAL MakeDib(int width, int height, Colour colour) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t size = sizeof(BITMAPINFOHEADER) + stride * static_cast<size_t>(height);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::memcpy(bytes, &header, sizeof header);
    unsigned char* row = bytes + sizeof header;
    for (int x = 0; x < width; ++x) {
        row[x * 3] = colour.blue;
        row[x * 3 + 1] = colour.green;
        row[x * 3 + 2] = colour.red;
    }
    for (int y = 1; y < height; ++y) std::memcpy(row + stride * static_cast<size_t>(y), row, stride);
    GlobalUnlock(block);
    return block;
}

bool SetPicture(int width, int height, Colour colour) {
    HGLOBAL dib = MakeDib(width, height, colour);
    if (!dib) return false;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            const bool set = SetClipboardData(CF_DIB, dib) != nullptr;
            CloseClipboard();
            if (!set) GlobalFree(dib);
            return set;
        }
        Sleep(10);
    }
    GlobalFree(dib);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: SetPictures COUNT WIDTH HEIGHT PAUSE_MS [FIRST]\n");
        return 2;
    }
    const int count = std::atoi(argv[1]), width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    const int pause = std::atoi(argv[4]), first = argc > 5 ? std::atoi(argv[5]) : 0;
    const bool twice = count == 0;
    for (int i = 0; i < (twice ? 2 : count); ++i) {
        if (i > 0) Sleep(static_cast<DWORD>(pause));
        if (!SetPicture(width, height, KeyColour(twice ? first : first + i))) {
            char holder[64] = "";
            DWORD process = 0;
            if (HWND open = GetOpenClipboardWindow()) {
                GetClassNameA(open, holder, sizeof holder);
                GetWindowThreadProcessId(open, &process);
            }
            std::fprintf(stderr,
                         "picture %d could not be set (the clipboard was held by \"%s\" of process %lu)\n", i,
                         holder, process);
            return 1;
        }
    }
    return 0;
}
