#include "clipboard/LocaleInfo.h"

#include "clipboard/LocaleText.h"
#include "ui/WideText.h"

namespace clipboard {
namespace {

std::string LocaleValue(LCID locale, LCTYPE type) {
    const int size = GetLocaleInfoW(locale, type, nullptr, 0);
    if (size <= 0) return {}; // the system does not know this value for the locale
    std::wstring buffer(static_cast<size_t>(size), L' ');
    if (GetLocaleInfoW(locale, type, buffer.data(), size) == 0) return {};
    return TrimAtNull(ui::Utf8(buffer));
}

} // namespace

std::string LocaleInfoText(LCID locale) {
    LocaleFields fields;
    for (size_t i = 0; i < kLocaleInfoTypes.size(); ++i)
        LocaleField(fields, i) = LocaleValue(locale, kLocaleInfoTypes[i]);
    return LocaleDescription(fields);
}

} // namespace clipboard
