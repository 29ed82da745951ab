#include "ui/JpegWriter.h"

#include <stb_image_write.h>

#include <stdexcept>
#include <vector>

namespace ui {
namespace {

// stb reads red, green, blue; the picture holds blue, green, red, unused.
std::vector<std::uint8_t> RgbPixels(const Picture& picture) {
    const size_t count = static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height());
    std::vector<std::uint8_t> rgb(count * 3);
    const std::uint8_t* bgrx = picture.Bits();
    for (size_t i = 0; i < count; ++i, bgrx += 4) {
        rgb[i * 3] = bgrx[2];
        rgb[i * 3 + 1] = bgrx[1];
        rgb[i * 3 + 2] = bgrx[0];
    }
    return rgb;
}

void AppendToString(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

} // namespace

std::string EncodeJpeg(const Picture& picture, int quality) {
    if (!picture.IsBitmap() || !picture.Bits())
        throw std::runtime_error("there is no picture to write as JPEG");
    if (picture.Width() > kMaxJpegSide || picture.Height() > kMaxJpegSide)
        throw std::runtime_error("the picture is too large for a JPEG file");
    const std::vector<std::uint8_t> rgb = RgbPixels(picture);
    std::string jpeg;
    jpeg.reserve(rgb.size() / 2);
    if (!stbi_write_jpg_to_func(&AppendToString, &jpeg, picture.Width(), picture.Height(), 3, rgb.data(),
                                quality))
        throw std::runtime_error("the picture could not be encoded as JPEG");
    return jpeg;
}

} // namespace ui
