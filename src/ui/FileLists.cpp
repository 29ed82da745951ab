#include "ui/FileLists.h"

#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    wchar_t buffer[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(Wide(path).c_str(), MAX_PATH * 4, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH * 4) return path;
    std::string full = Utf8(std::wstring_view(buffer, length));
    while (full.size() > 3 && (full.back() == '\\' || full.back() == '/')) full.pop_back();
    return full;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return lstrcmpiW(Wide(a).c_str(), Wide(b).c_str()) < 0;
}

std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW(Wide(Join(folder, "*")).c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = Utf8(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

} // namespace

std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW(Wide(Join(folder, pattern)).c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Utf8(found.cFileName));
    } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

// --- DirList -----------------------------------------------------------------

DirList::DirList(Form& form) : ListBox(form) {
    OnDblClick = [this] { OpenSelected(); };
}

void DirList::OpenSelected() {
    const int row = ListIndex();
    if (row >= 0 && row < static_cast<int>(targets_.size())) SetPath(targets_[static_cast<size_t>(row)]);
}

void DirList::AfterCreate() {
    ListBox::AfterCreate();
    SetWindowSubclass(hWnd(), &DirList::KeyProc, 2, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK DirList::KeyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
    if (msg == WM_GETDLGCODE && wParam == VK_RETURN) return DLGC_WANTALLKEYS;
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        reinterpret_cast<DirList*>(self)->OpenSelected();
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool DirList::SetPath(const std::string& path) {
    const std::string full = FullPath(path);
    if (!IsFolder(full)) return false;
    const bool changed = lstrcmpiW(Wide(full).c_str(), Wide(path_).c_str()) != 0;
    path_ = full;
    Fill();
    if (changed && OnChange) OnChange();
    return true;
}

void DirList::Refresh() {
    Fill();
}

void DirList::Fill() {
    Clear();
    targets_.clear();
    // The chain of folders from the drive down to the path, then its subfolders.
    std::vector<std::string> chain;
    for (std::string folder = path_;;) {
        chain.push_back(folder);
        const size_t slash = folder.find_last_of('\\');
        if (slash == std::string::npos || folder.size() <= 3) break;
        folder = slash <= 2 ? folder.substr(0, 3) : folder.substr(0, slash);
    }
    std::reverse(chain.begin(), chain.end());
    std::vector<std::string> rows;
    for (size_t depth = 0; depth < chain.size(); ++depth) {
        const std::string& folder = chain[depth];
        const size_t slash = folder.find_last_of('\\');
        const std::string name = depth == 0 || slash == std::string::npos ? folder : folder.substr(slash + 1);
        rows.push_back(std::string(depth * 2, ' ') + "[" + name + "]");
        targets_.push_back(folder);
    }
    for (const std::string& sub : Subfolders(path_)) {
        rows.push_back(std::string(chain.size() * 2, ' ') + sub);
        targets_.push_back(Join(path_, sub));
    }
    AddItems(rows);
    SetListIndex(static_cast<int>(chain.size()) - 1);
}

// --- FileList ----------------------------------------------------------------

FileList::FileList(Form& form, std::string pattern) : ListBox(form), pattern_(std::move(pattern)) {}

void FileList::SetPath(const std::string& path) {
    path_ = path;
    Clear();
    AddItems(MatchingFiles(path_, pattern_));
}

} // namespace ui
