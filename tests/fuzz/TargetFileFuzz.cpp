// A target file of any bytes names at most one folder, and writing that
// folder back reads as the same folder, in the code page or as UTF-8.
#include "FuzzCheck.h"
#include "app/TargetFile.h"

namespace {

// A code page that holds ASCII only; its other bytes read as "?".
std::optional<std::string> AsciiFromUtf8(std::string_view utf8) {
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    return std::string(utf8);
}

std::string AsciiToUtf8(std::string_view ansi) {
    std::string utf8(ansi);
    for (char& c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return utf8;
}

const app::AnsiCodePage kAsciiOnly{&AsciiFromUtf8, &AsciiToUtf8};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = app::TargetFolderOf(fuzzing::AsText(data, size), kAsciiOnly);
    if (folder)
        fuzzing::Require(app::TargetFolderOf(app::FormatTargetFile(*folder, kAsciiOnly), kAsciiOnly) ==
                             folder,
                         "a folder reads back");
    return 0;
}
