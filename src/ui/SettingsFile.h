// The program's settings files: small text files in the program's
// folder, read line by line and rewritten whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Every settings file ends its last line with CR LF.
inline constexpr char kSettingsLineEnd[] = "\r\n";

// The lines of a settings file. A line ends at CR LF, a lone CR or a lone
// LF; a last line without a line end still counts; empty lines stay empty;
// an empty file has no lines.
std::vector<std::string> SplitSettingsLines(std::string_view content);

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadSettingsFile(const std::string& path);

// The bytes of the first lines of a file, at most maxLines lines with their
// line ends; the rest of the file is not read. nullopt when it cannot be read.
std::optional<std::string> ReadSettingsHead(const std::string& path, size_t maxLines);

// The complete lines among the last maxBytes of a file, as bytes: a line
// that begins before that stretch is left out. nullopt when it cannot be read.
std::optional<std::string> ReadSettingsTail(const std::string& path, size_t maxBytes);

} // namespace ui
