#include "capture/PictureFile.h"

#include "capture/PictureNames.h"
#include "ui/AtomicFile.h"
#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <algorithm>
#include <stdexcept>

namespace capture {
namespace {

std::runtime_error Failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + " (error " + std::to_string(GetLastError()) + ")");
}

constexpr std::size_t kChunk = 1 << 24;

std::string FolderOf(const std::string& base) {
    const std::size_t slash = base.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : base.substr(0, slash);
}

bool PathTaken(const std::string& path) {
    return GetFileAttributesW(ui::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteWholeFile(const std::string& path, const FileContent& content) {
    ui::UniqueHandle file(CreateFileW(ui::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE || !file) throw Failure("cannot open", path);
    content([&](const std::uint8_t* data, std::size_t size) {
        for (std::size_t at = 0; at < size;) {
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(kChunk, size - at));
            DWORD written = 0;
            if (!WriteFile(file.get(), data + at, wanted, &written, nullptr) || written != wanted)
                throw Failure("cannot write", path);
            at += written;
        }
    });
    if (!FlushFileBuffers(file.get())) throw Failure("cannot flush", path);
}

// Renames without replacing: a name taken between the check and the rename
// makes the next try pick the following number.
std::string MoveToFreeName(const std::string& temp, const std::string& base, std::string_view extension) {
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const std::string target = NextFreePictureName(base, extension, PathTaken);
        if (MoveFileExW(ui::Wide(temp).c_str(), ui::Wide(target).c_str(), MOVEFILE_WRITE_THROUGH))
            return target;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
            throw Failure("cannot create", target);
    }
    throw std::runtime_error("no free name for " + base);
}

} // namespace

std::string WriteNewPictureFile(const std::string& base, PictureFormat format, const FileContent& content) {
    ui::RemoveUnfinishedFiles(FolderOf(base));
    const std::string_view extension = ExtensionOf(format);
    const std::string temp = ui::TempNameBeside(base + std::string(extension));
    try {
        WriteWholeFile(temp, content);
        return MoveToFreeName(temp, base, extension);
    } catch (...) {
        DeleteFileW(ui::Wide(temp).c_str());
        throw;
    }
}

} // namespace capture
