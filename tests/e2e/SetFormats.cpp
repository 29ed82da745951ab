// Puts one change on the clipboard from the Windows side in several formats
// at once, as browsers and image programs do:
//   SetFormats [--owned] FORMAT=FILE...
// FORMAT is CF_DIB (FILE a BMP file, set without its file header) or the
// name of a registered format such as PNG or JFIF (FILE set as it is).
// With --owned, a window of the program owns the change, as in most
// programs, and stays answering for three seconds, so that whoever reads
// the change can tell which program copied it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr size_t kBmpFileHeader = 14;

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return static_cast<bool>(in) || in.eof();
}

HGLOBAL Global(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1);
    if (!block) return nullptr;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: SetFormats FORMAT=FILE...\n");
        return 2;
    }
    const bool owned = std::strcmp(argv[1], "--owned") == 0;
    const HWND owner =
        owned ? CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)
              : nullptr;
    std::vector<std::pair<UINT, HGLOBAL>> items;
    for (int i = owned ? 2 : 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        std::string bytes;
        if (equals == std::string::npos || !ReadFile(argument.substr(equals + 1), bytes)) {
            std::fprintf(stderr, "cannot read %s\n", argument.c_str());
            return 2;
        }
        const std::string name = argument.substr(0, equals);
        const UINT format = name == "CF_DIB" ? CF_DIB : RegisterClipboardFormatA(name.c_str());
        if (format == CF_DIB) bytes.erase(0, kBmpFileHeader);
        items.emplace_back(format, Global(bytes));
    }
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (!OpenClipboard(owner)) {
            Sleep(10);
            continue;
        }
        EmptyClipboard();
        bool set = true;
        for (const auto& [format, block] : items)
            if (!SetClipboardData(format, block)) {
                GlobalFree(block);
                set = false;
            }
        CloseClipboard();
        if (owner) {
            // The window answers while it stays, as an owner must.
            const ULONGLONG end = GetTickCount64() + 3000;
            while (GetTickCount64() < end) {
                MSG message;
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            }
            DestroyWindow(owner);
        }
        return set ? 0 : 1;
    }
    std::fprintf(stderr, "the clipboard could not be opened\n");
    return 1;
}
