#include "ui/SystemLibrary.h"

#include <string>

namespace ui {
namespace {

// The library's whole path in the system folder: a load by whole path
// searches nowhere, on every version of Windows.
std::wstring SystemPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder, length) + L"\\" + name;
}

} // namespace

void SearchSystemFolderOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        OutputDebugStringA(
            "DLLs are still searched for beside the program: the loader cannot be told otherwise.\n");
}

SystemLibrary::SystemLibrary(const wchar_t* name) {
    const std::wstring path = SystemPath(name);
    if (!path.empty()) module_.reset(LoadLibraryW(path.c_str()));
    if (!module_)
        OutputDebugStringW((L"A system library could not be loaded: " + std::wstring(name) + L"\n").c_str());
}

} // namespace ui
