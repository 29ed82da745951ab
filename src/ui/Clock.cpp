#include "ui/Clock.h"
#include "ui/WideText.h"

#include <windows.h>

namespace ui {
namespace {

std::function<DateTime()>& InstalledClock() {
    static std::function<DateTime()> clock;
    return clock;
}

SYSTEMTIME ToSystemTime(const DateTime& when) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(when.year);
    st.wMonth = static_cast<WORD>(when.month);
    st.wDay = static_cast<WORD>(when.day);
    st.wHour = static_cast<WORD>(when.hour);
    st.wMinute = static_cast<WORD>(when.minute);
    st.wSecond = static_cast<WORD>(when.second);
    return st;
}

} // namespace

DateTime Now() {
    if (InstalledClock()) return InstalledClock()();
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

void SetClock(std::function<DateTime()> clock) {
    InstalledClock() = std::move(clock);
}

std::string ShortDateText(const DateTime& when) {
    const SYSTEMTIME st = ToSystemTime(when);
    wchar_t buffer[128] = {};
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128) == 0) return {};
    return Utf8(buffer);
}

std::string TimeText(const DateTime& when) {
    const SYSTEMTIME st = ToSystemTime(when);
    wchar_t buffer[128] = {};
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128) == 0) return {};
    return Utf8(buffer);
}

} // namespace ui
