#include "i18n/DriverLines.h"

namespace i18n {

std::vector<std::string> SplitDriverLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = content.size();
        std::string line(content.substr(start, end - start));
        lines.push_back(line.empty() ? std::string(" ") : std::move(line));
        if (end == content.size()) break;
        start = end + ((content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string ErrorReportText(int entry, std::string_view text) {
    return "(" + std::to_string(entry) + ") " + std::string(text);
}

} // namespace i18n
