// The rules of the notification window that need no window: the close
// counter's text and the slide-in's end.
#pragma once

#include <string>
#include <string_view>

namespace notify {

// The counter value at which the window closes.
inline constexpr long kCloseCount = 7;
// The slide-in moves by this much per step and stops this far above the
// bottom of the screen (twips).
inline constexpr int kSlideStep = 200;
inline constexpr int kShowingMargin = 200;

// The number the counter's text stands for: leading blanks, an optional
// sign and the decimal digits that follow; 0 when no digit leads. Values
// beyond the range of long are held at its ends.
long CounterValue(std::string_view text);
// The counter's text after one more second.
std::string NextCounterText(std::string_view text);

// The top at or above which the slide-in ends.
int ShowingTarget(int screenHeight, int windowHeight);
// True while the slide-in still has to move the window up.
bool SlideGoesOn(int top, int screenHeight, int windowHeight);

} // namespace notify
