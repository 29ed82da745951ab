// Checks a dropped-file list (the CF_HDROP block: a DROPFILES header and a
// list of NUL-terminated names ending in an empty name) before the system
// reads it, since clipboard data comes from any program.
#pragma once

#include <cstddef>
#include <optional>

namespace clipboard {

// The DROPFILES header: pFiles (4 bytes), pt (8), fNC (4), fWide (4).
inline constexpr std::size_t kDropFilesHeaderSize = 20;

// The number of names in the list; nothing unless the header fits, the list
// starts after it, and the list (ANSI or wide, as the header says) ends
// inside the block.
std::optional<std::size_t> DropFileNameCount(const unsigned char* block, std::size_t size);

} // namespace clipboard
