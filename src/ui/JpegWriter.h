// JPEG files from pictures, through stb_image_write (the program's JPEG
// converter). At quality 100 stb writes a baseline JPEG whose quantisation
// steps are all 1 and whose colour keeps full resolution: it subsamples the
// chroma (4:2:0) only at quality 90 and below, so 100 gives 4:4:4.
#pragma once

#include "ui/Picture.h"

#include <string>

namespace ui {

// The largest width or height a JPEG file can hold.
inline constexpr int kMaxJpegSide = 65535;

// The JPEG file's bytes for a bitmap picture, quality 1..100. Throws
// std::runtime_error for an empty picture, a metafile, a side over
// kMaxJpegSide or a failed encoding (std::bad_alloc when memory runs out).
std::string EncodeJpeg(const Picture& picture, int quality);

} // namespace ui
