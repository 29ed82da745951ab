#include "ui/AtomicFile.h"

#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <atomic>
#include <stdexcept>

namespace ui {
namespace {

const std::string kUnfinishedPrefix = "vellicor-unfinished-";
constexpr unsigned kTempNameAttempts = 1000;
// Shared by the threads that write files; each name is tried with CREATE_NEW.
std::atomic<unsigned> nextTempNumber{1};

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
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace

std::string TempNameBeside(const std::string& path) {
    const std::string stem =
        FolderOf(path) + "\\" + kUnfinishedPrefix + std::to_string(GetCurrentProcessId()) + "-";
    for (unsigned attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const std::string name = stem + std::to_string(nextTempNumber++) + ".tmp";
        UniqueHandle file(CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() != INVALID_HANDLE_VALUE && file) return name;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw Failure("no temporary file can be made beside", path);
}

int RemoveUnfinishedFiles(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    UniqueFind search(FindFirstFileW(Wide(folder + "\\" + kUnfinishedPrefix + "*.tmp").c_str(), &found));
    if (search.get() == INVALID_HANDLE_VALUE || !search) return 0;
    const std::string ours = kUnfinishedPrefix + std::to_string(GetCurrentProcessId()) + "-";
    int removed = 0;
    do {
        const std::string name = Utf8(found.cFileName);
        // This run's own files may still be being written.
        if (name.rfind(ours, 0) == 0 || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (DeleteFileW(Wide(folder + "\\" + name).c_str())) ++removed;
    } while (FindNextFileW(search.get(), &found));
    return removed;
}

void WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::string temp = TempNameBeside(path);
    {
        UniqueHandle file(CreateFileW(Wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        bool written = file.get() != INVALID_HANDLE_VALUE && file;
        DWORD count = 0;
        written =
            written &&
            WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &count, nullptr) &&
            count == content.size() && FlushFileBuffers(file.get());
        if (!written) {
            const std::runtime_error error = Failure("cannot write", temp);
            file.reset();
            DeleteFileW(Wide(temp).c_str());
            throw error;
        }
    }
    MoveIntoPlace(temp, path);
}

void MoveIntoPlace(const std::string& temp, const std::string& target) {
    const bool readOnly = IsReadOnly(target);
    if (!readOnly && MoveFileExW(Wide(temp).c_str(), Wide(target).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    if (readOnly) SetLastError(ERROR_ACCESS_DENIED);
    const std::runtime_error error = Failure("cannot replace", target);
    DeleteFileW(Wide(temp).c_str());
    throw error;
}

} // namespace ui
