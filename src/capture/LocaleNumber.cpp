#include "capture/LocaleNumber.h"

#include "capture/ResolutionFilter.h"

#include <windows.h>

namespace capture {
namespace {

// A regional setting; the fallback when the system cannot give it.
std::string LocaleText(LCTYPE what, const char* fallback) {
    char buffer[16] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer) == 0) return fallback;
    return buffer;
}

} // namespace

std::optional<double> CustomMinimum(const std::string& text) {
    return ParseLocaleNumberText(text, LocaleText(LOCALE_SDECIMAL, "."), LocaleText(LOCALE_STHOUSAND, ","));
}

} // namespace capture
