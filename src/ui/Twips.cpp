#include "ui/Twips.h"

#include "ui/WinHandles.h"

#include <cmath>

namespace ui {
namespace {

int ScreenDpi(int index) {
    ScopedGetDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, index) : 0;
    return dpi > 0 ? dpi : 96;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

} // namespace

int TwipsPerPixelX() { return Round(1440.0 / ScreenDpi(LOGPIXELSX)); }
int TwipsPerPixelY() { return Round(1440.0 / ScreenDpi(LOGPIXELSY)); }
int TwipsToPixelsX(int twips) { return Round(static_cast<double>(twips) / TwipsPerPixelX()); }
int TwipsToPixelsY(int twips) { return Round(static_cast<double>(twips) / TwipsPerPixelY()); }
int PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
int PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
int ScreenWidthTwips() { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
int ScreenHeightTwips() { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

} // namespace ui
