#include "notify/NotificationRules.h"

#include <algorithm>
#include <limits>

namespace notify {

long CounterValue(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    constexpr long kMax = std::numeric_limits<long>::max();
    long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const int digit = text[at] - '0';
        if (value > (kMax - digit) / 10) return negative ? std::numeric_limits<long>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string NextCounterText(std::string_view text) {
    const long value = CounterValue(text);
    return std::to_string(value == std::numeric_limits<long>::max() ? value : value + 1);
}

int ShowingTarget(int bottom, int windowHeight) {
    return bottom - windowHeight - kShowingMargin;
}

int ShowingLeft(const Area& workArea, int windowWidth) {
    return std::max(workArea.left, workArea.right - windowWidth);
}

int ShowingTop(const Area& workArea, int windowHeight) {
    return std::max(workArea.top, ShowingTarget(workArea.bottom, windowHeight));
}

bool SlideGoesOn(int top, const Area& workArea, int windowHeight) {
    return top > ShowingTop(workArea, windowHeight);
}

} // namespace notify
