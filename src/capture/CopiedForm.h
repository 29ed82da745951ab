// What a caught picture was on the clipboard, beside its pixels in memory
// (which are always opaque colours): the copied PNG, JPEG or WebP file
// itself, and the colours with their alpha when the alpha meant something. A
// lossless save keeps them; a save in the copied file's own format is the
// copied file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace capture {

struct CopiedForm {
    enum class Kind { Pixels, Png, Jpeg, Webp };
    Kind kind = Kind::Pixels;
    // With Png, Jpeg or Webp: the file's bytes as they were copied, checked by decoding them.
    std::shared_ptr<const std::string> file;
    // Blue, green, red, alpha (not multiplied into the colours), rows top to
    // bottom, when the copied picture's alpha meant something; else empty.
    std::shared_ptr<const std::vector<std::uint8_t>> alphaPixels;
    // The program that copied it ("Paint.exe"); empty when it cannot be told.
    std::string program;
};

} // namespace capture
