#include "TestPictures.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace capture_testing {

ui::Picture TestPicture(int width, int height, unsigned seed) {
    const std::vector<std::uint32_t> pixels = TestPixels(width, height, seed);
    return ui::Picture::FromPixels(width, height, pixels.data());
}

ui::UniqueGlobal PackedDib(const ui::Picture& picture) {
    const size_t bits = static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height()) * 4;
    ui::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + bits));
    if (!memory) return memory;
    ui::GlobalLockGuard<std::uint8_t> lock(memory.get());
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.Width();
    header.biHeight = -picture.Height(); // top-down, as the picture holds it
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::memcpy(lock.get(), &header, sizeof header);
    std::memcpy(lock.get() + sizeof header, picture.Bits(), bits);
    return memory;
}

std::string PortablePixmap(const ui::Picture& picture) {
    std::string file =
        "P6\n" + std::to_string(picture.Width()) + " " + std::to_string(picture.Height()) + "\n255\n";
    const size_t count = static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height());
    const size_t header = file.size();
    file.resize(header + count * 3);
    const std::uint8_t* bgrx = picture.Bits();
    for (size_t i = 0; i < count; ++i, bgrx += 4) {
        file[header + i * 3] = static_cast<char>(bgrx[2]);
        file[header + i * 3 + 1] = static_cast<char>(bgrx[1]);
        file[header + i * 3 + 2] = static_cast<char>(bgrx[0]);
    }
    return file;
}

} // namespace capture_testing
