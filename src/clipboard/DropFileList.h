// Checks a dropped-file list (the CF_HDROP block: a DROPFILES header and a
// list of NUL-terminated names ending in an empty name) before the system
// reads it, since clipboard data comes from any program.
#pragma once

#include <cstddef>

namespace clipboard {

// The DROPFILES header: pFiles (4 bytes), pt (8), fNC (4), fWide (4).
inline constexpr std::size_t kDropFilesHeaderSize = 20;

// True when the header fits, the list starts after it, and the list (ANSI or
// wide, as the header says) ends inside the block.
bool IsWellFormedDropFileList(const unsigned char* block, std::size_t size);

} // namespace clipboard
