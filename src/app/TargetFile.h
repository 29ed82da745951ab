// The settings file of a target slot, TARGET1.INI .. TARGET5.INI: one line,
// the slot's folder, followed by CR LF. A missing file means a slot without
// folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

inline constexpr int kSlotCount = 5;

// How much of the end of a target file is read: far more than the longest
// Windows path (32767 characters), and a huge file must not hold up the start.
inline constexpr size_t kTargetFileTail = 65536;

// "TARGET1.INI" .. "TARGET5.INI"
std::string TargetFileName(int slot);

std::string FormatTargetFile(std::string_view folder);

// The folder a file names: its last line (files written by hand may hold
// several). nullopt for a file without any line.
std::optional<std::string> TargetFolderOf(std::string_view content);

} // namespace app
