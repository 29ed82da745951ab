#include "clipboard/DropFileList.h"

#include <cstdint>

namespace clipboard {
namespace {

std::uint32_t ReadUInt32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool IsNulUnit(const unsigned char* block, std::size_t pos, std::size_t unit) {
    for (std::size_t i = 0; i < unit; ++i)
        if (block[pos + i] != 0) return false;
    return true;
}

} // namespace

std::optional<std::size_t> DropFileNameCount(const unsigned char* block, std::size_t size) {
    if (!block || size < kDropFilesHeaderSize) return std::nullopt;
    const std::size_t listStart = ReadUInt32(block);
    const std::size_t unit = ReadUInt32(block + 16) != 0 ? 2 : 1;
    if (listStart < kDropFilesHeaderSize || listStart > size) return std::nullopt;
    // Each name ends in a NUL; an empty name ends the list.
    std::size_t names = 0;
    bool nameIsEmpty = true;
    for (std::size_t pos = listStart; pos + unit <= size; pos += unit) {
        if (!IsNulUnit(block, pos, unit)) {
            nameIsEmpty = false;
            continue;
        }
        if (nameIsEmpty) return names;
        ++names;
        nameIsEmpty = true;
    }
    return std::nullopt;
}

} // namespace clipboard
