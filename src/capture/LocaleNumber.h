// The custom minimum resolution as typed, read with the user's regional
// decimal and thousands separators.
#pragma once

#include <optional>
#include <string>

namespace capture {

// The number in a custom width or height box; nothing when it is not a number.
std::optional<double> CustomMinimum(const std::string& text);

} // namespace capture
