// Pictures for the capture tests and the capture benchmark: photo-like
// content, and the forms in which other programs and tools take a picture.
#pragma once

#include "ui/Picture.h"
#include "ui/WinHandles.h"

#include "PixelTestSupport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace capture_testing {

ui::Picture TestPicture(int width, int height, unsigned seed = 1);

// The picture as a packed DIB in global memory (the clipboard's CF_DIB).
ui::UniqueGlobal PackedDib(const ui::Picture& picture);
// The picture as a binary PPM file (P6), which cjpeg reads.
std::string PortablePixmap(const ui::Picture& picture);

} // namespace capture_testing
