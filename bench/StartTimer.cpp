// Start-up as a user meets it: starts a program and waits until its window
// of the given title is visible and answers (drawn, its thread back in its
// message loop), looking every millisecond; prints the milliseconds.
//   StartTimer TITLE PROGRAM
// The program starts in its own folder.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool ShownAndAnswering(const wchar_t* title) {
    const HWND window = FindWindowW(nullptr, title);
    if (!window || !IsWindowVisible(window)) return false;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored) != 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: StartTimer TITLE PROGRAM\n");
        return 2;
    }
    std::wstring program = argv[2];
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, started, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 30000; ++tries) {
        if (ShownAndAnswering(argv[1])) {
            QueryPerformanceCounter(&now);
            std::printf("%.0f\n", (now.QuadPart - started.QuadPart) * 1000.0 / frequency.QuadPart);
            return 0;
        }
        Sleep(1);
    }
    std::fprintf(stderr, "no window of that title\n");
    return 1;
}
