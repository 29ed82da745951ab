// Buttons that light up under the pointer without waking the program while
// it rests there.
#pragma once

#include <windows.h>

namespace ui {

// A button of the common controls asks to hear of a hover after 1 ms, and
// Wine tells hovers and leaves by a timer at that pace: a hundred wake-ups
// a second for as long as the pointer rests on the button (Windows tracks
// without waking anyone). The button is tracked here for its leave only,
// at the system's hover pace, and lit at once: it looks the same.
void QuietHover(HWND button);

} // namespace ui
