#include "app/TargetFile.h"

#include "ui/SettingsFile.h"

namespace app {

std::string TargetFileName(int slot) {
    return "TARGET" + std::to_string(slot) + ".INI";
}

std::string FormatTargetFile(std::string_view folder, const AnsiCodePage& ansi) {
    if (std::optional<std::string> fits = ansi.fromUtf8(folder)) return *fits + ui::kSettingsLineEnd;
    return kUtf8ByteOrderMark + std::string(folder) + ui::kSettingsLineEnd;
}

std::optional<std::string> TargetFolderOf(std::string_view content, const AnsiCodePage& ansi) {
    const bool utf8 = content.starts_with(kUtf8ByteOrderMark);
    if (utf8) content.remove_prefix(std::string_view(kUtf8ByteOrderMark).size());
    std::vector<std::string> lines = ui::SplitSettingsLines(content);
    if (lines.empty()) return std::nullopt;
    return utf8 ? std::move(lines.back()) : ansi.toUtf8(lines.back());
}

} // namespace app
