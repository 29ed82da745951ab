#include "capture/WebpReader.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>
#include <memory>

namespace capture {
namespace {

constexpr std::size_t kRiffHeaderSize = 12; // "RIFF", the size that follows, "WEBP"

std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

const char* StatusText(VP8StatusCode status) {
    switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY: return "out of memory";
    case VP8_STATUS_UNSUPPORTED_FEATURE: return "a feature libwebp does not read";
    case VP8_STATUS_NOT_ENOUGH_DATA: return "the file ends early";
    default: break;
    }
    return "the data is corrupt";
}

void ClearUnusedBytes(std::uint8_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) pixels[i * 4 + 3] = 0;
}

struct AnimDecoderDeleter {
    void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};

} // namespace

WebpReader::WebpReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

DecodeResult WebpReader::ReadHeader() {
    if (size_ < kRiffHeaderSize || std::memcmp(data_, "RIFF", 4) != 0 ||
        std::memcmp(data_ + 8, "WEBP", 4) != 0)
        return {DecodeProblem::Damaged, "not a WebP file"};
    const std::size_t riffSize = LittleEndian32(data_ + 4);
    if (riffSize > size_ - 8) return {DecodeProblem::Damaged, "the file ends early"};
    fileSize_ = riffSize + 8;
    WebPBitstreamFeatures features{};
    if (const VP8StatusCode status = WebPGetFeatures(data_, fileSize_, &features); status != VP8_STATUS_OK)
        return {DecodeProblem::Damaged, StatusText(status)};
    width_ = features.width;
    height_ = features.height;
    hasAlpha_ = features.has_alpha != 0;
    animated_ = features.has_animation != 0;
    if (!FitsDecodeBounds(width_, height_))
        return {DecodeProblem::TooLarge, std::to_string(width_) + " x " + std::to_string(height_)};
    return {};
}

DecodeResult WebpReader::ReadPixels(std::uint8_t* out) {
    const DecodeResult result = animated_ ? ReadFirstFrame(out) : ReadStill(out);
    if (result.ok() && !hasAlpha_)
        ClearUnusedBytes(out, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    return result;
}

DecodeResult WebpReader::ReadStill(std::uint8_t* out) {
    WebPDecoderConfig config{};
    if (!WebPInitDecoderConfig(&config))
        return {DecodeProblem::Unsupported, "libwebp does not match its header"};
    const std::size_t stride = static_cast<std::size_t>(width_) * 4;
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = out;
    config.output.u.RGBA.stride = static_cast<int>(stride);
    config.output.u.RGBA.size = stride * static_cast<std::size_t>(height_);
    const VP8StatusCode status = WebPDecode(data_, fileSize_, &config);
    WebPFreeDecBuffer(&config.output); // external memory stays; only libwebp's own goes
    if (status != VP8_STATUS_OK) return {DecodeProblem::Damaged, StatusText(status)};
    return {};
}

// The first frame as it shows: composed on the canvas by libwebp's
// animation decoder, which holds a canvas of its own.
DecodeResult WebpReader::ReadFirstFrame(std::uint8_t* out) {
    WebPAnimDecoderOptions options{};
    if (!WebPAnimDecoderOptionsInit(&options))
        return {DecodeProblem::Unsupported, "libwebp does not match its header"};
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    const WebPData file{data_, fileSize_};
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(WebPAnimDecoderNew(&file, &options));
    if (!decoder) return {DecodeProblem::Damaged, "the animation cannot be read"};
    WebPAnimInfo info{};
    if (!WebPAnimDecoderGetInfo(decoder.get(), &info) || static_cast<int>(info.canvas_width) != width_ ||
        static_cast<int>(info.canvas_height) != height_)
        return {DecodeProblem::Damaged, "the animation's canvas does not match its header"};
    std::uint8_t* canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp) || !canvas)
        return {DecodeProblem::Damaged, "the animation's first frame cannot be read"};
    std::memcpy(out, canvas, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    return {};
}

} // namespace capture
