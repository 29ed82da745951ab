#include "app/SettingsFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace app {

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
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return content;
}

} // namespace app
