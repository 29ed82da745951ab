#include "clipboard/Renderers.h"

#include "capture/ClipboardReader.h"
#include "clipboard/ClipViewerForm.h"
#include "clipboard/DropFileList.h"
#include "clipboard/EnhMetafileCheck.h"
#include "clipboard/FormatCatalogue.h"
#include "clipboard/LocaleInfo.h"
#include "clipboard/LocaleText.h"
#include "clipboard/ShownLines.h"
#include "clipboard/StockFont.h"
#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

namespace clipboard {
namespace {

// Font choices of CStockFont.
constexpr int kOemFixedFont = 0;
constexpr int kAnsiVarFont = 1;
constexpr int kAnsiFixedFont = 2;
constexpr int kSystemFixedFont = 4;
constexpr int kDeviceDefaultFont = 5;

void SetStockFont(ui::Control& control, int choice) {
    CStockFont font;
    font.SetClient(control);
    font.SetStockFont(choice);
}

// The box gets its font while empty: a new font makes it lay out its whole
// text again, which takes a second for 10,000 lines.
void EmptyWithStockFont(ui::TextBox& box, int choice) {
    box.SetText("");
    SetStockFont(box, choice);
}

int TextFontOf(long formatId) {
    switch (formatId) {
    case format::Text: return kAnsiVarFont;
    case format::OemText: return kOemFixedFont;
    case format::DspText: return kDeviceDefaultFont;
    default: return -1; // keeps the font's first choice
    }
}

// The size labels say that the clipboard holds no picture, and the log says
// what it holds instead.
void NoPictureEpilogue(ui::Control& box, const std::string& kind) {
    ViewerOf(box).ReportNoPicture(kind);
}

// --- Reading the clipboard: its data comes from any program ----------------------

// The first lines of the text before the first NUL inside the block.
std::string ShownTextOfBlock(HGLOBAL block) {
    ui::GlobalLockGuard<const char> lock(block);
    if (!lock.get()) return {};
    const size_t size = lock.size();
    const void* nul = std::memchr(lock.get(), '\0', size);
    return FirstLines(std::string_view(lock.get(), nul ? static_cast<const char*>(nul) - lock.get() : size));
}

// The first lines of the CF_TEXT text (empty when there is none); nothing
// when the clipboard cannot be opened.
std::optional<std::string> ReadClipboardText() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    HANDLE data = GetClipboardData(CF_TEXT);
    return data ? ui::AnsiToUtf8(ShownTextOfBlock(data)) : std::string();
}

// A name of a dropped-file list as UTF-8, the program's text.
std::string NarrowFileName(std::string_view bytes, bool wide) {
    if (!wide) return ui::AnsiToUtf8(bytes);
    std::wstring name(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(name.data(), bytes.data(), name.size() * sizeof(wchar_t));
    return ui::Utf8(name);
}

// One line per dropped file, up to the viewer's limits, and a line that
// counts the rest; nothing when the clipboard cannot be opened or the list is
// missing or malformed.
std::optional<std::string> ReadClipboardFileList() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    ui::GlobalLockGuard<const unsigned char> lock(GetClipboardData(CF_HDROP));
    const std::optional<DropFileNames> names = ReadDropFileNames(lock.get(), lock.size(), kMaxShownLines);
    if (!names) return std::nullopt;
    std::string list;
    for (std::string_view name : names->first) list += NarrowFileName(name, names->wide) + "\r\n";
    return FirstLines(list, kMaxShownLines, kMaxShownBytes, names->count - names->first.size());
}

// The CF_LOCALE identifier; nothing when the clipboard cannot be opened or
// the block is too short to hold one.
std::optional<LCID> ReadClipboardLocale() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    ui::GlobalLockGuard<const unsigned char> lock(GetClipboardData(CF_LOCALE));
    if (!lock.get() || lock.size() < sizeof(DWORD)) return std::nullopt;
    DWORD locale = 0;
    std::memcpy(&locale, lock.get(), sizeof locale);
    return locale;
}

// The CF_DSPBITMAP bitmap (with the clipboard's palette, if any); empty when
// there is none or it cannot be read. A device-dependent bitmap is the
// system's own object, so it is safe to copy.
ui::Picture ReadDisplayBitmap() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    return capture::CopyClipboardBitmap(CF_DSPBITMAP);
}

// The system plays a metafile as its header and records say, without checks.
bool IsPlayable(HENHMETAFILE metafile) {
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0) return false;
    std::vector<BYTE> bytes(size);
    return GetEnhMetaFileBits(metafile, size, bytes.data()) == size &&
           IsWellFormedEnhMetafile(bytes.data(), size);
}

// The CF_METAFILEPICT picture, held as an enhanced metafile; empty when the
// conversion yields a metafile the player cannot be trusted with.
ui::Picture ReadClipboardMetafilePicture() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    ui::GlobalLockGuard<const METAFILEPICT> lock(GetClipboardData(CF_METAFILEPICT));
    if (!lock.get() || lock.size() < sizeof(METAFILEPICT)) return {};
    const METAFILEPICT picture = *lock.get();
    const UINT size = picture.hMF ? GetMetaFileBitsEx(picture.hMF, 0, nullptr) : 0;
    if (size == 0) return {};
    std::vector<BYTE> bits(size);
    if (GetMetaFileBitsEx(picture.hMF, size, bits.data()) != size) return {};
    ui::UniqueEnhMetaFile converted(SetWinMetaFileBits(size, bits.data(), nullptr, &picture));
    if (!converted || !IsPlayable(converted.get())) return {};
    return ui::Picture::FromEnhMetaFile(converted.get());
}

// The metafile's own bounds; bounds far beyond any screen (a crafted
// header) are replaced by the box, so that playing scales them down.
RECT PlayingBounds(const ENHMETAHEADER& header, const ui::PictureBox& box) {
    constexpr long long kLargestSide = 16384;
    const RECTL& b = header.rclBounds;
    const long long width = static_cast<long long>(b.right) - b.left,
                    height = static_cast<long long>(b.bottom) - b.top;
    if (width >= 0 && height >= 0 && width <= kLargestSide && height <= kLargestSide &&
        std::llabs(b.left) <= kLargestSide && std::llabs(b.top) <= kLargestSide)
        return RECT{b.left, b.top, b.right, b.bottom};
    const SIZE client = box.ClientPixels();
    return RECT{0, 0, client.cx, client.cy};
}

// Plays the CF_ENHMETAFILE metafile into the box within its own bounds.
bool PlayClipboardEnhMetafile(ui::PictureBox& box) {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return false;
    auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    ENHMETAHEADER header{};
    if (!metafile || !IsPlayable(metafile) || GetEnhMetaFileHeader(metafile, sizeof header, &header) == 0)
        return false;
    HDC dc = box.hDC();
    const RECT bounds = PlayingBounds(header, box);
    const bool played = dc && ui::PlayMetafileWithinBudget(dc, metafile, bounds);
    box.Refresh();
    return played;
}

// A copy of the clipboard's palette: the clipboard keeps its own.
ui::UniquePalette ReadClipboardPalette() {
    ui::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    auto palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
    const UINT count = palette ? GetPaletteEntries(palette, 0, 0, nullptr) : 0;
    if (count == 0) return {};
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* copy = reinterpret_cast<LOGPALETTE*>(storage.data());
    copy->palVersion = 0x300;
    copy->palNumEntries = static_cast<WORD>(count);
    if (GetPaletteEntries(palette, 0, count, copy->palPalEntry) != count) return {};
    return ui::UniquePalette(CreatePalette(copy));
}

// Copies a structure into a new fixed global block, as the owner-display
// messages pass their arguments.
template <class T> ui::UniqueGlobal GlobalBlockOf(const T& value) {
    ui::UniqueGlobal block(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(T)));
    if (!block) throw std::bad_alloc();
    ui::GlobalLockGuard<T> lock(block.get());
    if (!lock.get()) throw std::bad_alloc();
    std::memcpy(lock.get(), &value, sizeof(T));
    return block;
}

// Asks the clipboard owner to draw into the box (owner-display protocol).
void RequestOwnerDrawing(HWND owner, ui::PictureBox& box) {
    HWND viewer = box.OwnerForm().hWnd();
    RECT client{};
    GetClientRect(box.hWnd(), &client);
    {
        const ui::UniqueGlobal size = GlobalBlockOf(client);
        SendMessageA(owner, WM_SIZECLIPBOARD, reinterpret_cast<WPARAM>(viewer),
                     reinterpret_cast<LPARAM>(size.get()));
    }
    PAINTSTRUCT paint{};
    paint.hdc = box.hDC();
    paint.fErase = TRUE;
    paint.rcPaint = client;
    {
        const ui::UniqueGlobal painting = GlobalBlockOf(paint);
        SendMessageA(owner, WM_PAINTCLIPBOARD, reinterpret_cast<WPARAM>(viewer),
                     reinterpret_cast<LPARAM>(painting.get()));
    }
}

} // namespace

bool ShowText(long formatId, ui::TextBox& box) {
    const std::optional<std::string> text = ReadClipboardText();
    EmptyWithStockFont(box, TextFontOf(formatId));
    box.SetText(text.value_or(std::string()));
    ViewerOf(box).UpdateCaption(ViewOf(formatId).caption);
    NoPictureEpilogue(box, ", Text");
    return text.has_value();
}

bool ShowFileList(ui::TextBox& box) {
    const std::optional<std::string> list = ReadClipboardFileList();
    if (list) {
        EmptyWithStockFont(box, kSystemFixedFont);
        box.SetText(*list);
        ViewerOf(box).UpdateCaption("CF_HDROP");
    } else {
        SetStockFont(box, kSystemFixedFont); // the box keeps its text
    }
    NoPictureEpilogue(box, ", Files/Directories");
    return list.has_value();
}

bool ShowLocale(ui::TextBox& box) {
    SetStockFont(box, kAnsiFixedFont);
    const std::optional<LCID> locale = ReadClipboardLocale();
    if (locale) {
        box.SetText(LocaleInfoText(*locale));
        ViewerOf(box).UpdateCaption("CF_LOCALE");
    }
    NoPictureEpilogue(box, ", Locale");
    return locale.has_value();
}

bool ShowPicture(long formatId, ui::PictureBox& box) {
    ClipViewerForm& viewer = ViewerOf(box);
    switch (formatId) {
    case format::Bitmap:
    case format::DspBitmap: {
        // The bitmap was caught when the change was read; here it is only shown.
        ui::Picture bitmap = formatId == format::Bitmap ? viewer.ClipboardPicture() : ReadDisplayBitmap();
        if (bitmap.Empty()) return false; // nothing readable to show
        box.SetPicture(std::move(bitmap));
        viewer.UpdateCaption(ViewOf(formatId).caption);
        return true;
    }
    case format::MetafilePict:
    case format::DspMetafilePict: {
        ui::Picture metafile = ReadClipboardMetafilePicture();
        if (metafile.Empty()) return false;
        box.SetPicture(std::move(metafile));
        viewer.UpdateCaption(ViewOf(formatId).caption);
        return true;
    }
    case format::EnhMetafile: {
        const bool played = PlayClipboardEnhMetafile(box);
        viewer.UpdateCaption("CF_ENHMETAFILE");
        return played;
    }
    default: return false;
    }
}

bool ShowPalette(ui::PictureBox& box) {
    const ui::UniquePalette palette = ReadClipboardPalette();
    HDC dc = box.hDC();
    if (palette && dc) {
        ui::ScopedSelectPalette select(dc, palette.get());
        RealizePalette(dc);
        box.SetScale(0, 0, 16, 16);
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < 16; ++column)
                box.FillBox(column, row, column + 1, row + 1, PALETTEINDEX(16 * row + column));
        box.Refresh();
        ViewerOf(box).UpdateCaption("CF_PALETTE");
    }
    NoPictureEpilogue(box, ", Palette");
    return palette && dc;
}

bool ShowOwnerDisplay(ui::PictureBox& box) {
    // Without an owner (it has gone since the change) there is nobody to ask.
    if (HWND owner = GetClipboardOwner()) RequestOwnerDrawing(owner, box);
    box.Refresh();
    ViewerOf(box).UpdateCaption("CF_OWNERDRAW");
    NoPictureEpilogue(box, ", Owner-Display");
    return true;
}

} // namespace clipboard
