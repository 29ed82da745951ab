// The settings file of a target slot, TARGET1.INI .. TARGET5.INI: one line,
// the slot's folder, followed by CR LF. A missing file means a slot without
// folder. The file is in the system's ANSI code page, as older versions
// wrote and read it, unless the folder has a character the code page lacks:
// then it is UTF-8 with a byte-order mark.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace app {

inline constexpr int kSlotCount = 5;
// The file-name template (line 1, UTF-8) and the next value of its counter
// (line 2), in a file of its own that older versions do not know.
inline constexpr char kNameTemplateFile[] = "VLCRNAME.INI";

// How much of the end of a target file is read: far more than the longest
// Windows path (32767 characters), and a huge file must not hold up the start.
inline constexpr size_t kTargetFileTail = 65536;

// "TARGET1.INI" .. "TARGET5.INI"
std::string TargetFileName(int slot);

inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// The system's ANSI code page, given by the caller (Windows converts).
struct AnsiCodePage {
    // nullopt when some character has no place in the code page.
    std::function<std::optional<std::string>(std::string_view utf8)> fromUtf8;
    std::function<std::string(std::string_view ansi)> toUtf8;
};

// The file's bytes for a folder given as UTF-8.
std::string FormatTargetFile(std::string_view folder, const AnsiCodePage& ansi);

// The folder a file names, as UTF-8: its last line (files written by hand
// may hold several). nullopt for a file without any line.
std::optional<std::string> TargetFolderOf(std::string_view content, const AnsiCodePage& ansi);

} // namespace app
