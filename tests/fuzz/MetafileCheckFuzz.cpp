// The record check of enhanced metafiles reads only inside the bytes it is given.
#include "clipboard/EnhMetafileCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    clipboard::IsWellFormedEnhMetafile(data, size);
    return 0;
}
