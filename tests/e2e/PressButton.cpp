// Presses a button of a running program's window by its caption, the way the
// button itself reports a click to its parent: PressButton "window title"
// "button caption". It reaches buttons that are hidden, such as the main
// window's viewer button that the screenshots of the documentation use.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char text[256] = {};
    char className[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 && search->caption == text) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: PressButton \"window title\" \"button caption\"\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window titled %s\n", argv[1]);
        return 1;
    }
    Search search{argv[2]};
    EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "no button %s\n", argv[2]);
        return 1;
    }
    SendMessageA(GetParent(search.found), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
    return 0;
}
