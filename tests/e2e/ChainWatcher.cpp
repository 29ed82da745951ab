// A second clipboard viewer for the end-to-end tests: it joins the
// clipboard-viewer chain and appends one line to a file (its first argument)
// for every clipboard change that reaches it. With "swallow" as its second
// argument it passes no change on, as a misbehaving viewer does.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND nextViewer = nullptr;
std::string logPath;
bool swallow = false;

void Record(const char* what) {
    if (FILE* file = std::fopen(logPath.c_str(), "a")) {
        std::fprintf(file, "%s\n", what);
        std::fclose(file);
    }
}

LRESULT CALLBACK WatcherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        Record("change");
        if (nextViewer && !swallow) SendMessageA(nextViewer, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == nextViewer)
            nextViewer = reinterpret_cast<HWND>(lParam);
        else if (nextViewer)
            SendMessageA(nextViewer, msg, wParam, lParam);
        return 0;
    case WM_DESTROY:
        ChangeClipboardChain(hwnd, nextViewer);
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    logPath = argv[1];
    swallow = argc > 2 && std::string(argv[2]) == "swallow";
    WNDCLASSA wc{};
    wc.lpfnWndProc = WatcherProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VellicorChainWatcher";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Chain watcher", 0, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!hwnd) return 1;
    nextViewer = SetClipboardViewer(hwnd);
    Record("joined");
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
