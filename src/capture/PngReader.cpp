#include "capture/PngReader.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

// libpng reports a failure through its error function, which must not return
// and must not throw through libpng's C frames: it jumps back to the function
// that called libpng. Those functions hold no object with a destructor, so
// the jump leaves nothing behind.

namespace capture {

struct PngReader::State {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
    char message[200] = {};
    bool indexed = false; // palette pixels, expanded here (libpng leaves indexes it has no colour for black)
    png_colorp palette = nullptr; // with `indexed`: the palette and its transparency
    int paletteSize = 0;
    png_bytep paletteAlpha = nullptr;
    int paletteAlphaSize = 0;

    State(const std::uint8_t* bytes, std::size_t count) : data(bytes), size(count) {}
};

namespace {

using State = PngReader::State;

constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

State& StateOf(png_structp png) {
    return *static_cast<State*>(png_get_error_ptr(png));
}

[[noreturn]] void JumpBack(png_structp png, png_const_charp message) {
    State& state = StateOf(png);
    std::snprintf(state.message, sizeof state.message, "%s", message);
    png_longjmp(png, 1);
}

// Warnings (an ancillary chunk with a bad checksum, an odd colour profile)
// leave the picture whole; a program without a console has nowhere to show them.
void IgnoreWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    State& state = *static_cast<State*>(png_get_io_ptr(png));
    if (count > state.size - state.position) png_error(png, "the file ends too early");
    std::memcpy(out, state.data + state.position, count);
    state.position += count;
}

DecodeResult Damaged(const State& state) {
    return {DecodeProblem::Damaged, state.message};
}

// The transformations that make every kind of pixel blue, green, red, alpha.
// Palette pixels are read as one index a byte and expanded afterwards.
void AskForBgra(State& state) {
    png_structp png = state.png;
    const int colourType = png_get_color_type(png, state.info);
    state.indexed = colourType == PNG_COLOR_TYPE_PALETTE;
    if (state.indexed) {
        png_set_packing(png);
        png_get_PLTE(png, state.info, &state.palette, &state.paletteSize);
        png_color_16p ignored = nullptr;
        if (png_get_valid(png, state.info, PNG_INFO_tRNS))
            png_get_tRNS(png, state.info, &state.paletteAlpha, &state.paletteAlphaSize, &ignored);
    } else {
        png_set_expand(png); // grey below 8 bits to 8, a transparent colour to alpha
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
        png_set_bgr(png);
        // A picture without transparency gets a fourth byte of 0, as every
        // picture of the program has: nothing to settle afterwards.
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, state.info);
}

// Turns the indexes at the start of each row into blue, green, red, alpha
// pixels, from the right so that no index is overwritten before it is read.
bool ExpandIndexes(const State& state, std::uint8_t* out, int width, int height) {
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = out + static_cast<std::size_t>(y) * stride;
        for (int x = width - 1; x >= 0; --x) {
            const int index = row[x];
            if (index >= state.paletteSize) return false;
            std::uint8_t* pixel = row + static_cast<std::size_t>(x) * 4;
            const png_color& colour = state.palette[index];
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
            pixel[3] = index < state.paletteAlphaSize ? state.paletteAlpha[index]
                       : state.paletteAlphaSize       ? 0xFF
                                                      : 0;
        }
    }
    return true;
}

// The calls into libpng that may jump back; nothing here has a destructor.
bool ReadInfo(State& state) {
    if (setjmp(png_jmpbuf(state.png))) return false;
    png_set_read_fn(state.png, &state, ReadFromMemory);
    // The size is checked here, with the program's own bounds and words.
    png_set_user_limits(state.png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    // Texts, profiles and other chunks the picture does not need are skipped
    // unread, so a chunk announcing gigabytes takes no memory; others are bounded.
    static constexpr png_byte kSkipped[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0hIST\0tIME\0pCAL\0sCAL\0";
    png_set_keep_unknown_chunks(state.png, PNG_HANDLE_CHUNK_NEVER, kSkipped, 10);
    png_set_keep_unknown_chunks(state.png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_chunk_malloc_max(state.png, kMaxChunkBytes);
    png_read_info(state.png, state.info);
    return true;
}

bool ReadRows(State& state, png_bytepp rows) {
    if (setjmp(png_jmpbuf(state.png))) return false;
    AskForBgra(state);
    png_read_image(state.png, rows);
    png_read_end(state.png, nullptr);
    return true;
}

} // namespace

PngReader::PngReader(const std::uint8_t* data, std::size_t size)
    : state_(std::make_unique<State>(data, size)) {
    state_->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, state_.get(), JumpBack, IgnoreWarning);
    if (state_->png) state_->info = png_create_info_struct(state_->png);
}

PngReader::~PngReader() {
    png_destroy_read_struct(&state_->png, &state_->info, nullptr);
}

DecodeResult PngReader::ReadHeader() {
    State& state = *state_;
    if (!state.png || !state.info) return {DecodeProblem::TooLarge, "no memory for the PNG reader"};
    if (state.size < 8 || png_sig_cmp(state.data, 0, 8) != 0)
        return {DecodeProblem::Damaged, "not a PNG file"};
    if (!ReadInfo(state)) return Damaged(state);
    const png_uint_32 width = png_get_image_width(state.png, state.info);
    const png_uint_32 height = png_get_image_height(state.png, state.info);
    // libpng takes no side beyond 2^31 - 1; the size is kept for the caller's message.
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    const png_byte colourType = png_get_color_type(state.png, state.info);
    hasAlpha_ =
        (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(state.png, state.info, PNG_INFO_tRNS) != 0;
    if (!FitsDecodeBounds(width, height))
        return {DecodeProblem::TooLarge, std::to_string(width) + " x " + std::to_string(height)};
    return {};
}

DecodeResult PngReader::ReadPixels(std::uint8_t* out) {
    State& state = *state_;
    const std::size_t stride = static_cast<std::size_t>(width_) * 4;
    std::vector<png_bytep> rows(static_cast<std::size_t>(height_));
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = out + y * stride;
    if (!ReadRows(state, rows.data())) return Damaged(state);
    if (state.indexed && !ExpandIndexes(state, out, width_, height_))
        return {DecodeProblem::Damaged, "a pixel names a colour the palette does not hold"};
    fileSize_ = state.position;
    return {};
}

} // namespace capture
