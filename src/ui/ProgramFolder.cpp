#include "ui/ProgramFolder.h"
#include "ui/WideText.h"

#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <stdexcept>

namespace ui {

std::string ProgramPath() {
    // The buffer grows until the whole path fits (paths may exceed MAX_PATH).
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length == 0) throw std::runtime_error("the program's own path is not known");
        if (length < size) {
            path.resize(length);
            return Utf8(path);
        }
    }
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.find_last_of("\\/"));
}

std::string ProgramFile(const std::string& name) {
    return ProgramFolder() + "\\" + name;
}

std::string LocalAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                path)))
        return {};
    return Utf8(path);
}

namespace {

// An item id list of the shell, freed when it goes.
struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { ILFree(list); }
};

// COM on this thread while the object lives; a thread that had it already
// keeps it as it was.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

} // namespace

bool ShowFileInFolder(const std::string& path) {
    const ComScope com; // the shell's folder window needs it
    const std::unique_ptr<ITEMIDLIST, ItemIdListDeleter> item(ILCreateFromPathW(Wide(path).c_str()));
    return item && SUCCEEDED(SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0));
}

} // namespace ui
