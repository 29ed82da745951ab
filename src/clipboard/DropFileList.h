// Reads a dropped-file list (the CF_HDROP block: a DROPFILES header and a
// list of NUL-terminated names ending in an empty name) in one pass, since
// clipboard data comes from any program and the system's own reader is
// quadratic in the number of names.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace clipboard {

// The DROPFILES header: pFiles (4 bytes), pt (8), fNC (4), fWide (4).
inline constexpr std::size_t kDropFilesHeaderSize = 20;

struct DropFileNames {
    bool wide = false;
    // The first names, at most as many as asked for: their bytes without
    // the NUL, two per character when the list is wide.
    std::vector<std::string_view> first;
    std::size_t count = 0; // every name of the list
};

// The list of the block; nothing unless the header fits, the list starts
// after it, and the list (ANSI or wide, as the header says) ends inside the
// block.
std::optional<DropFileNames> ReadDropFileNames(const unsigned char* block, std::size_t size,
                                               std::size_t keep);

} // namespace clipboard
