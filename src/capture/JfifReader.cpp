#include "capture/JfifReader.h"

#include "capture/ExifOrientation.h"

// jpeglib.h expects size_t and FILE to be declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <jerror.h> // after jpeglib.h, whose types it uses

#include <csetjmp>
#include <cstring>
#include <vector>

// libjpeg reports a failure through error_exit, which must not return and
// must not throw through libjpeg's C frames: it jumps back to the function
// that called libjpeg. Those functions hold no object with a destructor.

namespace capture {

namespace {

constexpr long kMaxMemory = 1L << 30; // for a progressive picture's coefficients
constexpr int kMaxScans = 1000;       // a file of endless tiny scans would decode for ever

struct Errors {
    jpeg_error_mgr manager; // first: libjpeg's pointer to it points to the whole
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX] = {};
    bool corrupt = false; // a warning that the pixels are not all there
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

// libjpeg goes on after corrupt data with grey or repeated pixels; a picture
// shown like that would be saved as if it were whole.
void NoteWarning(j_common_ptr info, int level) {
    if (level >= 0) return; // trace messages
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    switch (info->err->msg_code) {
    case JWRN_ARITH_BAD_CODE:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
        if (!errors->corrupt) info->err->format_message(info, errors->message);
        errors->corrupt = true;
        break;
    default: break; // extraneous bytes, an unknown JFIF revision: the picture is whole
    }
}

void CountScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMaxScans) return;
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "more than %d scans", kMaxScans);
    std::longjmp(errors->back, 1);
}

} // namespace

struct JfifReader::State {
    jpeg_decompress_struct info{};
    Errors errors;
    jpeg_progress_mgr progress{};
    const std::uint8_t* data;
    std::size_t size;
    bool created = false;
    int orientation = 1;
    bool cmyk = false;

    State(const std::uint8_t* bytes, std::size_t count) : data(bytes), size(count) {}
};

namespace {

using State = JfifReader::State;

bool ReadMarkers(State& state) {
    if (setjmp(state.errors.back)) return false;
    jpeg_create_decompress(&state.info);
    state.created = true;
    state.info.mem->max_memory_to_use = kMaxMemory;
    state.progress.progress_monitor = CountScans;
    state.info.progress = &state.progress;
    jpeg_mem_src(&state.info, state.data, static_cast<unsigned long>(state.size));
    jpeg_save_markers(&state.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&state.info, TRUE);
    return true;
}

// CMYK as Adobe's programs write it (inverted) or plainly, to blue, green, red.
void CmykToBgrx(const std::uint8_t* cmyk, int width, bool inverted, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, cmyk += 4, out += 4) {
        const unsigned c = inverted ? cmyk[0] : 255 - cmyk[0], m = inverted ? cmyk[1] : 255 - cmyk[1],
                       y = inverted ? cmyk[2] : 255 - cmyk[2], k = inverted ? cmyk[3] : 255 - cmyk[3];
        out[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
        out[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        out[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
        out[3] = 0;
    }
}

void ClearFourthBytes(std::uint8_t* row, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x) row[x * 4 + 3] = 0;
}

// Decodes row by row into `row` and puts each row where the orientation says.
bool DecodeTurned(State& state, std::uint8_t* row, std::uint8_t* turned, std::uint8_t* out) {
    if (setjmp(state.errors.back)) return false;
    jpeg_decompress_struct& info = state.info;
    jpeg_start_decompress(&info);
    const Orientation orientation(state.orientation, static_cast<int>(info.output_width),
                                  static_cast<int>(info.output_height));
    const std::uint8_t* pixels = state.cmyk ? turned : row;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&info, rows, 1);
        if (state.cmyk) CmykToBgrx(row, static_cast<int>(info.output_width), info.saw_Adobe_marker, turned);
        std::ptrdiff_t to = orientation.Start(y);
        for (JDIMENSION x = 0; x < info.output_width; ++x, to += orientation.Step()) {
            std::memcpy(out + to * 4, pixels + x * 4, 3);
            out[to * 4 + 3] = 0;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

// The plain case, straight into the picture's rows.
bool DecodeStraight(State& state, std::uint8_t* out) {
    if (setjmp(state.errors.back)) return false;
    jpeg_decompress_struct& info = state.info;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {out + info.output_scanline * stride};
        jpeg_read_scanlines(&info, rows, 1);
        ClearFourthBytes(rows[0], info.output_width); // libjpeg sets it to 255
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

JfifReader::JfifReader(const std::uint8_t* data, std::size_t size)
    : state_(std::make_unique<State>(data, size)) {
    state_->info.err = jpeg_std_error(&state_->errors.manager);
    state_->errors.manager.error_exit = JumpBack;
    state_->errors.manager.emit_message = NoteWarning;
}

JfifReader::~JfifReader() {
    if (state_->created) jpeg_destroy_decompress(&state_->info);
}

DecodeResult JfifReader::ReadHeader() {
    State& state = *state_;
    if (state.size < 4 || state.data[0] != 0xFF || state.data[1] != 0xD8)
        return {DecodeProblem::Damaged, "not a JPEG file"};
    if (!ReadMarkers(state)) return {DecodeProblem::Damaged, state.errors.message};
    for (jpeg_saved_marker_ptr marker = state.info.marker_list; marker; marker = marker->next)
        if (marker->marker == JPEG_APP0 + 1) {
            state.orientation = ExifOrientation(marker->data, marker->data_length);
            break;
        }
    const Orientation turned(state.orientation, static_cast<int>(state.info.image_width),
                             static_cast<int>(state.info.image_height));
    width_ = turned.Width();
    height_ = turned.Height();
    if (!FitsDecodeBounds(width_, height_))
        return {DecodeProblem::TooLarge, std::to_string(width_) + " x " + std::to_string(height_)};
    state.cmyk = state.info.jpeg_color_space == JCS_CMYK || state.info.jpeg_color_space == JCS_YCCK;
    state.info.out_color_space = state.cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    return {};
}

DecodeResult JfifReader::ReadPixels(std::uint8_t* out) {
    State& state = *state_;
    const bool straight = state.orientation == 1 && !state.cmyk;
    std::vector<std::uint8_t> row(straight ? 0 : state.info.image_width * std::size_t{4});
    std::vector<std::uint8_t> turned(state.cmyk ? row.size() : 0);
    const bool read =
        straight ? DecodeStraight(state, out) : DecodeTurned(state, row.data(), turned.data(), out);
    if (!read) return {DecodeProblem::Damaged, state.errors.message};
    if (state.errors.corrupt) return {DecodeProblem::Damaged, state.errors.message};
    fileSize_ = state.size - state.info.src->bytes_in_buffer;
    return {};
}

} // namespace capture
