// The dropped-file list reader keeps names that lie inside the block.
#include "FuzzCheck.h"
#include "clipboard/DropFileList.h"

using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kKeep = 3;
    const auto names = clipboard::ReadDropFileNames(data, size, kKeep);
    if (!names) return 0;
    Require(names->first.size() == (names->count < kKeep ? names->count : kKeep), "the first names are kept");
    const auto* end = reinterpret_cast<const char*>(data) + size;
    for (std::string_view name : names->first) {
        Require(!name.empty() && name.data() >= reinterpret_cast<const char*>(data) &&
                    name.data() + name.size() < end,
                "a name lies inside the block, before its end");
        Require(!names->wide || name.size() % 2 == 0, "a wide name has whole characters");
    }
    return 0;
}
