// The rules of the notification window that need no window: the close
// counter's text and the slide-in's end.
#pragma once

#include <string>
#include <string_view>

namespace notify {

// The counter value at which the window closes.
inline constexpr long kCloseCount = 7;
// The slide-in moves by this much per step and stops this far above the
// bottom of the work area (twips).
inline constexpr int kSlideStep = 200;
inline constexpr int kShowingMargin = 200;

// The number the counter's text stands for: leading blanks, an optional
// sign and the decimal digits that follow; 0 when no digit leads. Values
// beyond the range of long are held at its ends.
long CounterValue(std::string_view text);
// The counter's text after one more second.
std::string NextCounterText(std::string_view text);

// A rectangle of the screen in twips: the primary monitor's work area, the
// screen less the taskbar wherever it stands.
struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The top at or above which the slide-in ends: the margin above the bottom.
int ShowingTarget(int bottom, int windowHeight);
// Where the showing window stands: at the bottom right of the work area,
// the margin above its bottom, and wholly inside it where it fits.
int ShowingLeft(const Area& workArea, int windowWidth);
int ShowingTop(const Area& workArea, int windowHeight);
// True while the slide-in still has to move the window up.
bool SlideGoesOn(int top, const Area& workArea, int windowHeight);

} // namespace notify
