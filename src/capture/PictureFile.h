// Writing a picture file into a folder without ever replacing a file there.
#pragma once

#include <string>
#include <string_view>

namespace capture {

// Writes the content to a temporary file in the folder of base (folder, "\",
// name), then renames it to the first free name of base: base + ".jpg", else
// base + "_2.jpg", "_3.jpg" and so on. Returns the path written. Throws
// std::runtime_error on failure, leaving no file behind.
std::string WriteNewPictureFile(const std::string& base, std::string_view content);

} // namespace capture
