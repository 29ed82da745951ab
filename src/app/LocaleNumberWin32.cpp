// The user locale's side of LocaleNumber.
#include "app/LocaleNumber.h"
#include "ui/WideText.h"

#include <windows.h>

namespace app {
namespace {

// A separator of the user's locale; empty when the locale does not say.
std::string UserLocaleText(LCTYPE type) {
    char text[16] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
    return length > 1 ? std::string(text, static_cast<size_t>(length - 1)) : std::string();
}

} // namespace

std::optional<double> LocaleNumber(const std::string& text) {
    // The separators are in the ANSI code page; a text that does not fit it is no number anyway.
    return ParseLocaleNumber(ui::Utf8ToAnsi(text).value_or(text), UserLocaleText(LOCALE_SDECIMAL),
                             UserLocaleText(LOCALE_STHOUSAND));
}

} // namespace app
