// Prints the lines of the program's log as a user sees them in its log
// list: every line of each list box of the top-level window whose title
// begins with TITLE that holds log lines (" - " after the date and time).
//   ReadLog TITLE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK FindByTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (std::wstring(text).rfind(search->title, 0) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

std::vector<std::wstring> ListLines(HWND list) {
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR) continue;
        std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT got =
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
        line.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
        lines.push_back(line);
    }
    return lines;
}

BOOL CALLBACK PrintLogLists(HWND child, LPARAM) {
    wchar_t className[32] = L"";
    GetClassNameW(child, className, 32);
    if (_wcsicmp(className, L"ListBox") != 0) return TRUE;
    const std::vector<std::wstring> lines = ListLines(child);
    bool log = false;
    for (const std::wstring& line : lines) log |= line.find(L" - ") != std::wstring::npos;
    if (!log) return TRUE;
    for (const std::wstring& line : lines) {
        char utf8[4096];
        const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8,
                                             sizeof utf8 - 1, nullptr, nullptr);
        utf8[size > 0 ? size : 0] = '\0';
        std::printf("%s\n", utf8);
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ReadLog TITLE\n");
        return 2;
    }
    Search search{argv[1]};
    EnumWindows(&FindByTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "no window of that title\n");
        return 1;
    }
    EnumChildWindows(search.found, &PrintLogLists, 0);
    return 0;
}
