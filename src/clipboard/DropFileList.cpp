#include "clipboard/DropFileList.h"

#include <cstdint>

namespace clipboard {
namespace {

std::uint32_t ReadUInt32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// The position of the NUL that ends the name at `pos`; `size` when there is none.
std::size_t NameEnd(const unsigned char* block, std::size_t pos, std::size_t size, std::size_t unit) {
    for (; pos + unit <= size; pos += unit)
        if (block[pos] == 0 && block[pos + unit - 1] == 0) return pos;
    return size;
}

} // namespace

std::optional<DropFileNames> ReadDropFileNames(const unsigned char* block, std::size_t size,
                                               std::size_t keep) {
    if (!block || size < kDropFilesHeaderSize) return std::nullopt;
    const std::size_t listStart = ReadUInt32(block);
    if (listStart < kDropFilesHeaderSize || listStart > size) return std::nullopt;
    DropFileNames names;
    names.wide = ReadUInt32(block + 16) != 0;
    const std::size_t unit = names.wide ? 2 : 1;
    for (std::size_t pos = listStart;;) {
        const std::size_t end = NameEnd(block, pos, size, unit);
        if (end == size) return std::nullopt;
        if (end == pos) return names; // the empty name ends the list
        if (names.first.size() < keep)
            names.first.emplace_back(reinterpret_cast<const char*>(block + pos), end - pos);
        ++names.count;
        pos = end + unit;
    }
}

} // namespace clipboard
