#include "ClipboardFixtures.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "clipboard/ClipViewerForm.h"
#include "ui/AppTitle.h"

#include <shlobj.h>

#include <cstring>
#include <stdexcept>

namespace clipboard_testing {

// --- Putting data on the clipboard ---------------------------------------------

void PutOnClipboard(const std::vector<ClipboardItem>& items, HWND owner) {
    ui::ClipboardSession clipboard(owner);
    if (!clipboard.IsOpen()) throw std::runtime_error("the test cannot open the clipboard");
    EmptyClipboard();
    // Data rendered on request is put as nullptr, and nullptr comes back.
    for (const ClipboardItem& item : items)
        if (!SetClipboardData(item.format, item.data) && item.data)
            throw std::runtime_error("the test cannot put clipboard data");
}

void EmptyTheClipboard() {
    PutOnClipboard({});
}

HGLOBAL GlobalWith(const void* bytes, size_t size) {
    ui::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!block) throw std::bad_alloc();
    if (size > 0) {
        ui::GlobalLockGuard<void> lock(block.get());
        std::memcpy(lock.get(), bytes, size);
    }
    return block.release();
}

HGLOBAL GlobalWith(const std::string& bytes) {
    return GlobalWith(bytes.data(), bytes.size());
}

ClipboardItem TextItem(const std::string& text) {
    return {CF_TEXT, GlobalWith(text.c_str(), text.size() + 1)};
}

ClipboardItem BitmapItem(int width, int height, COLORREF colour) {
    ui::ScopedGetDC screen(nullptr);
    ui::UniqueDC dc(CreateCompatibleDC(screen));
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    if (!bitmap) throw std::runtime_error("the test bitmap cannot be made");
    {
        ui::ScopedSelectObject select(dc.get(), bitmap.get());
        ui::UniqueBrush brush(CreateSolidBrush(colour));
        RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, brush.get());
    }
    return {CF_BITMAP, bitmap.release()};
}

COLORREF PaletteColour(int entry) {
    return RGB(entry, 255 - entry, (entry * 7) & 0xFF);
}

ClipboardItem PaletteItem(int entries) {
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(entries);
    for (int i = 0; i < entries; ++i) {
        const COLORREF colour = PaletteColour(i);
        palette->palPalEntry[i] = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
    }
    return {CF_PALETTE, CreatePalette(palette)};
}

ClipboardItem FileListItem(const std::vector<std::string>& names, bool wide) {
    std::string list;
    for (const std::string& name : names) list += name + '\0';
    list += '\0';
    if (wide) {
        std::string widened;
        for (char c : list) widened += std::string{c, '\0'};
        list = widened;
    }
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = wide;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    return {CF_HDROP, GlobalWith(block + list)};
}

ClipboardItem EnhMetafileItem(RECT box, COLORREF colour) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (!dc) throw std::runtime_error("the test metafile cannot be made");
    ui::UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &box, brush.get());
    return {CF_ENHMETAFILE, CloseEnhMetaFile(dc)};
}

ClipboardItem MetafilePictItem(COLORREF colour) {
    HDC dc = CreateMetaFileA(nullptr);
    if (!dc) throw std::runtime_error("the test metafile cannot be made");
    SetWindowExtEx(dc, 100, 100, nullptr);
    ui::UniqueBrush brush(CreateSolidBrush(colour));
    HGDIOBJ old = SelectObject(dc, brush.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, 101, 101);
    SelectObject(dc, old);
    METAFILEPICT picture{MM_ANISOTROPIC, 2000, 2000, CloseMetaFile(dc)};
    return {CF_METAFILEPICT, GlobalWith(&picture, sizeof picture)};
}

ClipboardItem DibV5Item() {
    struct {
        BITMAPV5HEADER header;
        DWORD pixel;
    } dib{};
    dib.header.bV5Size = sizeof dib.header;
    dib.header.bV5Width = 1;
    dib.header.bV5Height = 1;
    dib.header.bV5Planes = 1;
    dib.header.bV5BitCount = 32;
    dib.header.bV5Compression = BI_RGB;
    dib.header.bV5CSType =
        0x73524742; // LCS_sRGB ('sRGB'), spelled out: the header's form is a multi-character constant
    dib.pixel = 0x00FF0000;
    return {CF_DIBV5, GlobalWith(&dib, sizeof dib)};
}

ui::UniqueWindow MakeTestWindow(const char* className, WNDPROC proc, void* self) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassExA(&wc); // fails harmlessly once the class exists
    ui::UniqueWindow window(CreateWindowExA(0, className, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                            GetModuleHandleA(nullptr), nullptr));
    if (!window) throw std::runtime_error("a test window cannot be made");
    SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return window;
}

// --- ForeignViewer ---------------------------------------------------------------

ForeignViewer::ForeignViewer()
    : hwnd_(MakeTestWindow("VellicorTestForeignViewer", &ForeignViewer::Proc, this)) {}

ForeignViewer::~ForeignViewer() {
    Leave();
    SetWindowLongPtrA(hwnd_.get(), GWLP_USERDATA, 0);
}

void ForeignViewer::Join() {
    joined_ = true;
    next_ = SetClipboardViewer(hwnd_.get());
}

void ForeignViewer::Leave() {
    if (!joined_) return;
    joined_ = false;
    ChangeClipboardChain(hwnd_.get(), next_);
}

size_t ForeignViewer::Count(UINT msg) const {
    size_t count = 0;
    for (const ChainMessage& message : messages) count += message.msg == msg;
    return count;
}

LRESULT CALLBACK ForeignViewer::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ForeignViewer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || (msg != WM_DRAWCLIPBOARD && msg != WM_CHANGECBCHAIN))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const ChainMessage message{msg, wParam, lParam};
    if (self->OnMessage) self->OnMessage(message);
    self->messages.push_back(message);
    if (msg == WM_CHANGECBCHAIN && reinterpret_cast<HWND>(wParam) == self->next_)
        self->next_ = reinterpret_cast<HWND>(lParam);
    else if (self->next_)
        SendMessageA(self->next_, msg, wParam, lParam);
    return 0;
}

// --- ClipboardHolder --------------------------------------------------------------

ClipboardHolder::ClipboardHolder()
    : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
        // The clipboard is held by a window of this thread, as another program holds it.
        ui::UniqueWindow window(CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                                GetModuleHandleA(nullptr), nullptr));
        const bool open = window && OpenClipboard(window.get()) != FALSE;
        holding_ = open;
        SetEvent(opened_.get());
        WaitForSingleObject(release_.get(), INFINITE);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(opened_.get(), INFINITE);
}

ClipboardHolder::~ClipboardHolder() {
    SetEvent(release_.get());
    thread_.join();
}

// --- Reading the viewer ----------------------------------------------------------------

std::vector<std::string> MenuCaptions(HMENU menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            captions.push_back("-");
            continue;
        }
        char text[512] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        captions.push_back(text);
    }
    return captions;
}

bool ChooseMenuItem(clipboard::ClipViewerForm& viewer, const std::string& topCaption,
                    const std::string& caption) {
    HMENU bar = viewer.MenuHandle();
    const std::vector<std::string> tops = MenuCaptions(bar);
    for (size_t top = 0; top < tops.size(); ++top) {
        if (tops[top] != topCaption) continue;
        HMENU popup = GetSubMenu(bar, static_cast<int>(top));
        const std::vector<std::string> items = MenuCaptions(popup);
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] != caption) continue;
            const UINT id = GetMenuItemID(popup, static_cast<int>(i));
            SendMessageA(viewer.hWnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
            return true;
        }
    }
    return false;
}

COLORREF PixelOf(clipboard::ClipViewerForm& viewer, int x, int y) {
    return GetPixel(viewer.Picture1.hDC(), x, y);
}

std::vector<std::string> LogLines() {
    const ui::ListBox& log = app::App::Current().Main().lst_Log;
    std::vector<std::string> lines;
    for (int i = 0; i < log.ListCount(); ++i) lines.push_back(log.List(i));
    return lines;
}

// --- WithProgram --------------------------------------------------------------------------

WithProgram::WithProgram() {
    EmptyTheClipboard();
    dir.Write(i18n::kLanguageDriverFile, testing_support::ShippedDriver());
    ui::SetAppTitle("Vellicor Rizezuza");
    program = std::make_unique<app::App>();
    Main().Set_Language();
    Main().options.Check8.SetValue(1);
}

WithProgram::~WithProgram() {
    program.reset();
    EmptyTheClipboard();
}

app::MainForm& WithProgram::Main() {
    return program->Main();
}

clipboard::ClipViewerForm& WithProgram::Viewer() {
    program->Viewer().Load();
    return program->Viewer();
}

std::string WithProgram::NoPictureText() {
    return Main().Catalogue(96);
}

void WithProgram::WaitForTheRead() {
    testing_support::PumpUntil([&] { return Main().capture.engine.CaughtUp(); }, 3000);
    testing_support::PumpMessages(30);
}

} // namespace clipboard_testing
