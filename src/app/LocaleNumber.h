// Numbers as the user types them: optional blanks around, an optional sign,
// digits with the locale's thousands separator between them, the locale's
// decimal separator, an exponent. An empty text is not a number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

// The number in text, read with the given separators; nullopt when text is
// not a number or lies outside the range of a double.
std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimal,
                                        std::string_view thousands);

#ifdef _WIN32
// The number in text, read with the separators of the user's locale.
std::optional<double> LocaleNumber(const std::string& text);
#endif

} // namespace app
