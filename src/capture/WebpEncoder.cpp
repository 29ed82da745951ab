#include "capture/WebpEncoder.h"

#include "capture/PieceWriter.h"

#include <webp/encode.h>

#include <stdexcept>

namespace capture {
namespace {

constexpr std::size_t kPieceSize = 64 * 1024;
// libwebp's default effort, the one cwebp uses: its files are cwebp's.
constexpr int kLossyMethod = 4;
// Lossless effort 0..9: 1 packs a photo as tightly as the default (6) does,
// in less than half its time (4000 x 3000: 2.3 s beside 5.5 s).
constexpr int kLosslessLevel = 1;

static_assert(kMaxWebpSide == WEBP_MAX_DIMENSION);

// libwebp's writer: a zero return ends the encoding.
int Collect(const std::uint8_t* data, std::size_t size, const WebPPicture* picture) {
    return static_cast<PieceWriter*>(picture->custom_ptr)->Append(data, size) ? 1 : 0;
}

// libwebp's picture, freed with its buffers.
struct OwnedPicture {
    WebPPicture picture{};
    OwnedPicture() {
        if (!WebPPictureInit(&picture)) throw std::runtime_error("libwebp does not match its header");
    }
    ~OwnedPicture() { WebPPictureFree(&picture); }
    OwnedPicture(const OwnedPicture&) = delete;
    OwnedPicture& operator=(const OwnedPicture&) = delete;
};

WebPConfig ConfigFor(const WebpSettings& settings) {
    if (settings.quality < 0 || settings.quality > 100)
        throw std::runtime_error("a WebP quality is 0..100, not " + std::to_string(settings.quality));
    WebPConfig config{};
    if (!WebPConfigInit(&config)) throw std::runtime_error("libwebp does not match its header");
    if (settings.lossless) {
        WebPConfigLosslessPreset(&config, kLosslessLevel);
        config.exact = 1; // the colours of transparent pixels stay as they were
    } else {
        config.quality = static_cast<float>(settings.quality);
        config.method = kLossyMethod;
    }
    if (!WebPValidateConfig(&config)) throw std::runtime_error("libwebp refused its settings");
    return config;
}

const char* ErrorText(WebPEncodingError error) {
    switch (error) {
    case VP8_ENC_ERROR_OUT_OF_MEMORY:
    case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY: return "out of memory";
    case VP8_ENC_ERROR_BAD_DIMENSION: return "the picture's size is beyond WebP's";
    case VP8_ENC_ERROR_PARTITION0_OVERFLOW:
    case VP8_ENC_ERROR_PARTITION_OVERFLOW: return "the picture needs more than one WebP partition holds";
    case VP8_ENC_ERROR_FILE_TOO_BIG: return "the file would pass 4 GiB";
    case VP8_ENC_ERROR_BAD_WRITE: return "the file could not be written";
    default: break;
    }
    return "libwebp failed";
}

} // namespace

void EncodeWebp(const PixelRows& pixels, bool alpha, const WebpSettings& settings, const ByteSink& sink) {
    if (pixels.width <= 0 || pixels.height <= 0 || !pixels.bgrx)
        throw std::runtime_error("there is no picture to encode");
    if (pixels.width > kMaxWebpSide || pixels.height > kMaxWebpSide)
        throw std::runtime_error("a WebP file holds at most " + std::to_string(kMaxWebpSide) +
                                 " pixels a side");
    if (pixels.stride < static_cast<std::ptrdiff_t>(pixels.width) * 4)
        throw std::runtime_error("rows shorter than the picture");
    const WebPConfig config = ConfigFor(settings);
    OwnedPicture owned;
    WebPPicture& picture = owned.picture;
    picture.use_argb = settings.lossless ? 1 : 0;
    picture.width = pixels.width;
    picture.height = pixels.height;
    const int stride = static_cast<int>(pixels.stride);
    const bool imported = alpha ? WebPPictureImportBGRA(&picture, pixels.bgrx, stride)
                                : WebPPictureImportBGRX(&picture, pixels.bgrx, stride);
    if (!imported) throw std::runtime_error("no memory for the WebP encoder's copy of the picture");
    PieceWriter output(sink, kPieceSize);
    picture.writer = Collect;
    picture.custom_ptr = &output;
    const bool encoded = WebPEncode(&config, &picture) != 0;
    output.RethrowFailure();
    if (!encoded)
        throw std::runtime_error(std::string("the WebP could not be encoded: ") +
                                 ErrorText(picture.error_code));
    if (!output.Flush()) output.RethrowFailure();
}

std::string EncodeWebp(const PixelRows& pixels, bool alpha, const WebpSettings& settings) {
    std::string file;
    EncodeWebp(pixels, alpha, settings, [&](const std::uint8_t* data, std::size_t size) {
        file.append(reinterpret_cast<const char*>(data), size);
    });
    return file;
}

} // namespace capture
