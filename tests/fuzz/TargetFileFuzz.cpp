// A target file of any bytes names at most one folder, and writing that
// folder back reads as the same folder, in the code page or as UTF-8.
#include "FuzzCheck.h"
#include "app/TargetFile.h"

namespace {

// A code page that holds ASCII only; its other bytes read as Latin-1.
const app::AnsiCodePage kAsciiOnly{[](std::string_view utf8) -> std::optional<std::string> {
                                       for (const char c : utf8)
                                           if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
                                       return std::string(utf8);
                                   },
                                   [](std::string_view ansi) {
                                       std::string utf8;
                                       for (const char c : ansi) {
                                           const auto byte = static_cast<unsigned char>(c);
                                           if (byte < 0x80) {
                                               utf8 += c;
                                               continue;
                                           }
                                           utf8 += static_cast<char>(0xC0 | (byte >> 6));
                                           utf8 += static_cast<char>(0x80 | (byte & 0x3F));
                                       }
                                       return utf8;
                                   }};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = app::TargetFolderOf(fuzzing::AsText(data, size), kAsciiOnly);
    if (folder)
        fuzzing::Require(app::TargetFolderOf(app::FormatTargetFile(*folder, kAsciiOnly), kAsciiOnly) ==
                             folder,
                         "a folder reads back");
    return 0;
}
