// The floor for start-up: a bare Win32 program that shows one window titled
// "Bare Window" and waits until it is closed (bench/measure-program.sh times
// it the same way as the program). With the program's manifest (common
// controls 6); "BareWindow button" adds one push button, the floor of a
// pointer resting on a button.
#include <windows.h>

#include <string_view>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(L"BareWindow", L"Bare Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 566, 409, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (std::wstring_view(commandLine) == L"button" &&
        !CreateWindowW(L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 40, 40, 160, 40, window,
                       nullptr, instance, nullptr))
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
