// The program's settings files: small ANSI text files in the program's
// folder, read line by line and rewritten whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Every settings file ends its last line with CR LF.
inline constexpr char kSettingsLineEnd[] = "\r\n";

// The lines of a settings file. A line ends at CR LF, a lone CR or a lone
// LF; a last line without a line end still counts; empty lines stay empty;
// an empty file has no lines.
std::vector<std::string> SplitSettingsLines(std::string_view content);

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadSettingsFile(const std::string& path);

} // namespace app
