#include "ui/CurrentDirectory.h"

#include <windows.h>

namespace ui {

std::string CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::string path(length, '\0');
    path.resize(GetCurrentDirectoryA(length, path.data()));
    return path;
}

} // namespace ui
