#include "ui/CurrentDirectory.h"
#include "ui/WideText.h"

#include <windows.h>

namespace ui {

std::string CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(length, L'\0');
    path.resize(GetCurrentDirectoryW(length, path.data()));
    return Utf8(path);
}

} // namespace ui
