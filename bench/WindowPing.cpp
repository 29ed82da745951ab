// How long a window keeps its user waiting: asks the window with the given
// title (and its thread) again and again, 10 ms apart, for the given number of
// seconds, and prints the longest time one answer took.
//   WindowPing TITLE SECONDS
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: WindowPing TITLE SECONDS\n");
        return 2;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window of that title\n");
        return 1;
    }
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(_wtoi(argv[2])) * 1000;
    ULONGLONG longest = 0;
    unsigned asked = 0;
    while (GetTickCount64() < end) {
        const ULONGLONG before = GetTickCount64();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
        longest = std::max(longest, GetTickCount64() - before);
        ++asked;
        Sleep(10);
    }
    std::printf("longest wait for an answer: %llu ms (%u asks)\n", longest, asked);
    return 0;
}
