#include "capture/JpegEncoder.h"

#include <stb_image_write.h>

#include <stdexcept>
#include <vector>

namespace capture {

void EncodeJpeg(const PixelRows& pixels, int quality,
                const std::function<void(const std::uint8_t* data, std::size_t size)>& sink) {
    if (!pixels.bgrx || pixels.width <= 0 || pixels.height <= 0) throw std::runtime_error("no picture");
    if (pixels.width > kMaxJpegSide || pixels.height > kMaxJpegSide) throw std::runtime_error("too large");
    std::vector<std::uint8_t> rgb(static_cast<size_t>(pixels.width) * pixels.height * 3);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint8_t* p = pixels.bgrx + y * pixels.stride + x * 4;
            std::uint8_t* q = &rgb[(static_cast<size_t>(y) * pixels.width + x) * 3];
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    auto call = [](void* context, void* data, int size) {
        (*static_cast<const std::function<void(const std::uint8_t*, std::size_t)>*>(context))(
            static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size));
    };
    auto copy = sink;
    if (!stbi_write_jpg_to_func(call, &copy, pixels.width, pixels.height, 3, rgb.data(), quality))
        throw std::runtime_error("encoding failed");
}

std::string EncodeJpeg(const PixelRows& pixels, int quality) {
    std::string file;
    EncodeJpeg(pixels, quality, [&](const std::uint8_t* data, std::size_t size) {
        file.append(reinterpret_cast<const char*>(data), size);
    });
    return file;
}

} // namespace capture
