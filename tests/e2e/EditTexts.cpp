// The edit boxes of another program, in UTF-16 as a Unicode program sees them.
// EditTexts: prints the text of every edit box of every top-level window, one
// a line, as UTF-8 (WM_GETTEXT: GetWindowTextW does not ask the boxes of
// another process).
// EditTexts "window title" "text": types the text into the window's first
// edit box, one character message for each UTF-16 unit, as a keyboard does
// for letters that X cannot type into Wine.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

BOOL CALLBACK PrintEdit(HWND hwnd, LPARAM) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
    std::wstring text(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::printf("%s\n", Utf8(text).c_str());
    return TRUE;
}

BOOL CALLBACK PrintEdits(HWND window, LPARAM) {
    EnumChildWindows(window, PrintEdit, 0);
    return TRUE;
}

BOOL CALLBACK FirstEdit(HWND hwnd, LPARAM lParam) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

int Type(const wchar_t* title, const wchar_t* text) {
    HWND window = FindWindowW(nullptr, title);
    HWND edit = nullptr;
    if (window) EnumChildWindows(window, FirstEdit, reinterpret_cast<LPARAM>(&edit));
    if (!edit) {
        std::fprintf(stderr, "no edit box in the window\n");
        return 1;
    }
    for (const wchar_t* c = text; *c; ++c) PostMessageW(edit, WM_CHAR, *c, 1);
    return 0;
}

int PrintAll() {
    if (!EnumWindows(PrintEdits, 0)) {
        std::fprintf(stderr, "the windows could not be listed\n");
        return 1;
    }
    return 0;
}

} // namespace

int main() {
    // The arguments in UTF-16: main's own are in the ANSI code page.
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> args(CommandLineToArgvW(GetCommandLineW(), &count),
                                                       &LocalFree);
    if (args && count == 3) return Type(args.get()[1], args.get()[2]);
    if (args && count == 1) return PrintAll();
    std::fprintf(stderr, "usage: EditTexts [\"window title\" \"text\"]\n");
    return 2;
}
