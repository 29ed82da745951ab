#include "ui/Twips.h"

#include "ui/WinHandles.h"

#include <cmath>

namespace ui {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Functions of Windows 10 (1607) and later, looked up so that the program
// still starts on Windows 7 and 8, where every window has the system's DPI.
template <typename Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

} // namespace

int TwipsToPixels(int twips, int dpi) {
    return Round(static_cast<double>(twips) * dpi / kTwipsPerInch);
}
int PixelsToTwips(int pixels, int dpi) {
    return Round(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

int PictureToPixels(int pictureSize, int dpi) {
    return MulDiv(pictureSize, dpi, kDefaultDpi);
}

// Asked of the screen once: the system's DPI holds for the whole run, and
// every conversion at it would otherwise take and give back a screen DC.
int SystemDpi() {
    static const int dpi = [] {
        ScopedGetDC screen(nullptr);
        const int asked = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        return asked > 0 ? asked : kDefaultDpi;
    }();
    return dpi;
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = window && getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

RECT OuterRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

int TwipsPerPixelX() {
    return Round(static_cast<double>(kTwipsPerInch) / SystemDpi());
}
int TwipsPerPixelY() {
    return TwipsPerPixelX();
}
int TwipsToPixelsX(int twips) {
    return TwipsToPixels(twips, SystemDpi());
}
int TwipsToPixelsY(int twips) {
    return TwipsToPixels(twips, SystemDpi());
}
int PixelsToTwipsX(int pixels) {
    return PixelsToTwips(pixels, SystemDpi());
}
int PixelsToTwipsY(int pixels) {
    return PixelsToTwips(pixels, SystemDpi());
}
int ScreenWidthTwips() {
    return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
}
int ScreenHeightTwips() {
    return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
}

} // namespace ui
