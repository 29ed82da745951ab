// Geometry of the forms is given in twips (1/1440 inch); the screen's real DPI
// decides how many twips make one pixel (15 at 96 DPI).
#pragma once

namespace ui {

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
