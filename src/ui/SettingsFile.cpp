#include "ui/SettingsFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ui {
namespace {

// Paths are UTF-8; on Windows a narrow path would be taken as ANSI.
std::filesystem::path PathOf(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

} // namespace

std::vector<std::string> SplitSettingsLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        const size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        lines.emplace_back(content.substr(start, end - start));
        const bool crLf = end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::optional<std::string> ReadSettingsFile(const std::string& path) {
    std::ifstream file(PathOf(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return content;
}

std::optional<std::string> ReadSettingsHead(const std::string& path, size_t maxLines) {
    std::ifstream file(PathOf(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string head;
    size_t lines = 0;
    char c = 0;
    while (lines < maxLines && file.get(c)) {
        head += c;
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && file.peek() == '\n') head += static_cast<char>(file.get());
        ++lines;
    }
    if (file.bad()) return std::nullopt;
    return head;
}

std::optional<std::string> ReadSettingsTail(const std::string& path, size_t maxBytes) {
    std::ifstream file(PathOf(path), std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    const auto size = static_cast<size_t>(file.tellg());
    // One byte more than the stretch shows whether its first line is whole.
    const size_t start = size > maxBytes ? size - maxBytes - 1 : 0;
    std::string bytes(size - start, '\0');
    if (!file.seekg(static_cast<std::streamoff>(start)) ||
        !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    if (start == 0) return bytes;
    const size_t firstEnd = bytes.find_first_of("\r\n");
    if (firstEnd == std::string::npos) return std::string();
    const size_t next = bytes.compare(firstEnd, 2, "\r\n") == 0 ? firstEnd + 2 : firstEnd + 1;
    return bytes.substr(next);
}

} // namespace ui
