// Regionally typed numbers: the first byte picks the locale's separators,
// the rest is the typed text; a number read is always a finite double.
#include "FuzzCheck.h"
#include "app/LocaleNumber.h"

#include <cmath>

namespace {

struct Separators {
    const char* decimal;
    const char* thousands;
};
constexpr Separators kLocales[] = {
    {".", ","},    {",", "."}, {",", " "}, {".", "'"},
    {",", "\xA0"}, {".", ""},  {",", ","}, {"\xD9\xAB", "\xD9\xAC"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Separators& locale = kLocales[data[0] % (sizeof kLocales / sizeof kLocales[0])];
    const auto number =
        app::ParseLocaleNumber(fuzzing::AsText(data + 1, size - 1), locale.decimal, locale.thousands);
    if (number) fuzzing::Require(std::isfinite(*number), "a number read is finite");
    return 0;
}
