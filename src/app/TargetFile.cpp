#include "app/TargetFile.h"

#include "app/SettingsFile.h"

namespace app {

std::string TargetFileName(int slot) { return "TARGET" + std::to_string(slot) + ".INI"; }

std::string FormatTargetFile(std::string_view folder) { return std::string(folder) + kSettingsLineEnd; }

std::optional<std::string> TargetFolderOf(std::string_view content) {
    std::vector<std::string> lines = SplitSettingsLines(content);
    if (lines.empty()) return std::nullopt;
    return std::move(lines.back());
}

} // namespace app
