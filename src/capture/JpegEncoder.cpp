#include "capture/JpegEncoder.h"

// jpeglib.h expects size_t and FILE to be declared before it.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <vector>

#ifndef JCS_EXTENSIONS
#error "the JPEG encoder reads blue, green, red, unused pixels, which needs libjpeg-turbo (JCS_EXT_BGRX)"
#endif
static_assert(capture::kMaxJpegSide == JPEG_MAX_DIMENSION);

namespace capture {
namespace {

constexpr std::size_t kPieceSize = 64 * 1024;
constexpr int kRowsPerCall = 16;

// libjpeg reports a failure by calling error_exit, which must not return (the
// default one ends the process) and must not throw through libjpeg's C frames:
// it jumps back to Compress instead.
struct Errors {
    jpeg_error_mgr manager; // first: libjpeg's pointer to it points to the whole
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

// A program without a console has nowhere to show libjpeg's warnings.
void IgnoreMessage(j_common_ptr) {}

// Collects the file's bytes in a piece and hands each full piece to the sink.
struct Output {
    jpeg_destination_mgr manager; // first, as above
    const ByteSink* sink = nullptr;
    std::vector<std::uint8_t> piece = std::vector<std::uint8_t>(kPieceSize);
    std::exception_ptr sinkFailure;

    void Restart() {
        manager.next_output_byte = piece.data();
        manager.free_in_buffer = piece.size();
    }
    // False when the sink threw; its exception waits in sinkFailure.
    bool Hand(std::size_t size) noexcept {
        try {
            if (size > 0) (*sink)(piece.data(), size);
        } catch (...) {
            sinkFailure = std::current_exception();
            return false;
        }
        Restart();
        return true;
    }
};

Output& OutputOf(j_compress_ptr info) {
    return *reinterpret_cast<Output*>(info->dest);
}

void FailOnSink(j_compress_ptr info) {
    info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
}

void StartOutput(j_compress_ptr info) {
    OutputOf(info).Restart();
}

// libjpeg calls this when the piece is full, whatever free_in_buffer says.
boolean HandFullPiece(j_compress_ptr info) {
    if (!OutputOf(info).Hand(kPieceSize)) FailOnSink(info);
    return TRUE;
}

void HandLastPiece(j_compress_ptr info) {
    Output& output = OutputOf(info);
    if (!output.Hand(output.piece.size() - output.manager.free_in_buffer)) FailOnSink(info);
}

// The compressor's parts; the compressor is destroyed on every path.
struct Compressor {
    jpeg_compress_struct info{};
    Errors errors;
    Output output;

    explicit Compressor(const ByteSink& sink) { output.sink = &sink; }
    ~Compressor() { jpeg_destroy_compress(&info); }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

void Configure(jpeg_compress_struct& info, const PixelRows& pixels, int quality) {
    info.image_width = static_cast<JDIMENSION>(pixels.width);
    info.image_height = static_cast<JDIMENSION>(pixels.height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
}

// Every libjpeg call happens below the jump target, and no object with a
// destructor lives in this frame, so the jump back skips nothing. False when
// libjpeg failed (or the sink threw).
bool Compress(Compressor& compressor, const PixelRows& pixels, int quality) {
    jpeg_compress_struct& info = compressor.info;
    info.err = jpeg_std_error(&compressor.errors.manager);
    compressor.errors.manager.error_exit = &JumpBack;
    compressor.errors.manager.output_message = &IgnoreMessage;
    if (setjmp(compressor.errors.back)) return false;
    jpeg_create_compress(&info);
    compressor.output.manager.init_destination = &StartOutput;
    compressor.output.manager.empty_output_buffer = &HandFullPiece;
    compressor.output.manager.term_destination = &HandLastPiece;
    info.dest = &compressor.output.manager;
    Configure(info, pixels, quality);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rows[kRowsPerCall];
    while (info.next_scanline < info.image_height) {
        JDIMENSION count = 0;
        for (; count < kRowsPerCall && info.next_scanline + count < info.image_height; ++count) {
            const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(info.next_scanline + count);
            // libjpeg only reads the rows it is given.
            rows[count] = const_cast<JSAMPROW>(pixels.bgrx + row * pixels.stride);
        }
        jpeg_write_scanlines(&info, rows, count);
    }
    jpeg_finish_compress(&info);
    return true;
}

void CheckInput(const PixelRows& pixels, int quality) {
    if (pixels.width <= 0 || pixels.height <= 0 || !pixels.bgrx)
        throw std::runtime_error("there is no picture to write as JPEG");
    if (pixels.width > kMaxJpegSide || pixels.height > kMaxJpegSide)
        throw std::runtime_error("the picture is too large for a JPEG file");
    if (std::abs(pixels.stride) < static_cast<std::ptrdiff_t>(pixels.width) * 4)
        throw std::runtime_error("the picture's rows are shorter than its width");
    if (quality < 1 || quality > 100) throw std::runtime_error("the JPEG quality must be 1 to 100");
}

} // namespace

void EncodeJpeg(const PixelRows& pixels, int quality, const ByteSink& sink) {
    CheckInput(pixels, quality);
    Compressor compressor(sink);
    if (Compress(compressor, pixels, quality)) return;
    if (compressor.output.sinkFailure) std::rethrow_exception(compressor.output.sinkFailure);
    throw std::runtime_error(std::string("the picture could not be encoded as JPEG: ") +
                             compressor.errors.message);
}

std::string EncodeJpeg(const PixelRows& pixels, int quality) {
    std::string jpeg;
    EncodeJpeg(pixels, quality, [&jpeg](const std::uint8_t* data, std::size_t size) {
        jpeg.append(reinterpret_cast<const char*>(data), size);
    });
    return jpeg;
}

} // namespace capture
