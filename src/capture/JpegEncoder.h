// Interim: replaced by the libjpeg-turbo encoder.
#pragma once

#include "capture/PixelRows.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace capture {

inline constexpr int kMaxJpegSide = 65535;

void EncodeJpeg(const PixelRows& pixels, int quality,
                const std::function<void(const std::uint8_t* data, std::size_t size)>& sink);
std::string EncodeJpeg(const PixelRows& pixels, int quality);

} // namespace capture
