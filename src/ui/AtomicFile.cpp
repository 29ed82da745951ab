#include "ui/AtomicFile.h"

#include "ui/WinHandles.h"

#include <stdexcept>

namespace ui {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::runtime_error Failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + " (error " + std::to_string(GetLastError()) + ")");
}

// Windows refuses to replace a read-only file; Wine running as root does not,
// so the refusal is made here alike for every system.
bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace

std::string TempNameBeside(const std::string& path) {
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "vlc", 0, name) == 0)
        throw Failure("no temporary file can be made beside", path);
    return name;
}

void WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::string temp = TempNameBeside(path);
    {
        UniqueHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
        bool written = file.get() != INVALID_HANDLE_VALUE && file;
        DWORD count = 0;
        written = written && WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &count, nullptr) &&
                  count == content.size() && FlushFileBuffers(file.get());
        if (!written) {
            const std::runtime_error error = Failure("cannot write", temp);
            file.reset();
            DeleteFileA(temp.c_str());
            throw error;
        }
    }
    MoveIntoPlace(temp, path);
}

void MoveIntoPlace(const std::string& temp, const std::string& target) {
    const bool readOnly = IsReadOnly(target);
    if (!readOnly && MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    if (readOnly) SetLastError(ERROR_ACCESS_DENIED);
    const std::runtime_error error = Failure("cannot replace", target);
    DeleteFileA(temp.c_str());
    throw error;
}

} // namespace ui
