#include "i18n/DriverLines.h"

#include "ui/SettingsFile.h"

namespace i18n {

std::vector<std::string> SplitDriverLines(std::string_view content) {
    std::vector<std::string> lines = ui::SplitSettingsLines(content);
    for (std::string& line : lines)
        if (line.empty()) line = " ";
    return lines;
}

std::string ErrorReportText(int entry, std::string_view text) {
    return "(" + std::to_string(entry) + ") " + std::string(text);
}

} // namespace i18n
