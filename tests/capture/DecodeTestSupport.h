// Decoding a whole file with one of the program's picture readers, for the
// tests of both builds.
#pragma once

#include "capture/EncodedPicture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace capture_testing {

struct Decoded {
    capture::DecodeResult result;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

template <typename Reader> Decoded DecodeWith(const std::string& file) {
    Reader reader(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    Decoded decoded;
    decoded.result = reader.ReadHeader();
    if (!decoded.result.ok()) return decoded;
    decoded.width = reader.Width();
    decoded.height = reader.Height();
    decoded.pixels.resize(static_cast<std::size_t>(decoded.width) * decoded.height * 4);
    decoded.result = reader.ReadPixels(decoded.pixels.data());
    return decoded;
}

} // namespace capture_testing
