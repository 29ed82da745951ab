// Geometry of the forms is given in twips (1/1440 inch); the DPI of the
// screen a window is on decides how many pixels a twip makes (at 96 DPI 15
// twips are one pixel, at 192 DPI 7.5).
#pragma once

#include <windows.h>

namespace ui {

// Conversions at a given DPI (pixels per inch), rounded to the nearest.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

// The program's pictures are drawn for 96 DPI; at another they grow with it.
int PictureToPixels(int pictureSize, int dpi);

// The system's DPI (the primary screen's when the program started).
int SystemDpi();
// The DPI a window is shown at: its monitor's, where the system tells each
// window its own (per-monitor awareness, Windows 10 and later), else the
// system's.
int WindowDpi(HWND window);
// The outer size of a window whose client area is `client`, at a DPI.
RECT OuterRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi);

// At the system's DPI.
int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
// The whole screen (not the work area), in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();

} // namespace ui
