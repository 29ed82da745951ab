// Writing a picture file into a folder without ever replacing a file there.
#pragma once

#include "capture/ByteSink.h"
#include "capture/PictureNames.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace capture {

// Hands the file's bytes, piece by piece, to the sink it is given.
using FileContent = std::function<void(const ByteSink& write)>;

// Writes the content to a temporary file of the program's own in the folder
// of base (folder, "\", name), then renames it to the first free name of
// base: base + ".jpg" (or ".png"), else base + "_2.jpg", "_3.jpg" and so on.
// Returns the path written. Throws std::runtime_error on failure, leaving no file behind.
// Unfinished files that a killed run left in the folder are removed first.
std::string WriteNewPictureFile(const std::string& base, PictureFormat format, const FileContent& content);

} // namespace capture
