#include "capture/ResolutionFilter.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace capture {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads the text into the plain form "-123.45e6" that from_chars takes;
// false when the text is not a number in the regional format.
bool ToPlainNumber(std::string_view text, std::string_view decimal, std::string_view thousands,
                   std::string& plain) {
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-') plain += '-';
        ++at;
    }
    bool digits = false;
    bool fraction = false;
    while (at < text.size()) {
        if (IsDigit(text[at])) {
            plain += text[at++];
            digits = true;
        } else if (!fraction && text.substr(at).starts_with(decimal)) {
            plain += '.';
            at += decimal.size();
            fraction = true;
        } else if (!fraction && digits && !thousands.empty() && text.substr(at).starts_with(thousands)) {
            at += thousands.size(); // grouping only, no value
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        plain += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
        const size_t exponentStart = at;
        while (at < text.size() && IsDigit(text[at])) plain += text[at++];
        if (at == exponentStart) return false;
    }
    return at == text.size();
}

} // namespace

std::optional<MinimumResolution> StandardMinimum(int option) {
    switch (option) {
    case 1: return MinimumResolution{640, 480};
    case 2: return MinimumResolution{800, 600};
    case 3: return MinimumResolution{1024, 768};
    case 4: return MinimumResolution{1280, 1024};
    case 5: return MinimumResolution{1600, 1200};
    default: return std::nullopt;
    }
}

std::optional<std::int16_t> PixelCount16(double pixels) {
    if (!std::isfinite(pixels)) return std::nullopt;
    const double rounded = std::nearbyint(pixels);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

bool ReachesMinimum(int width, int height, const MinimumResolution& minimum) {
    return minimum.width <= width && minimum.height <= height;
}

std::optional<double> ParseLocaleNumberText(std::string_view text, std::string_view decimal,
                                            std::string_view thousands) {
    if (decimal.empty()) decimal = ".";
    if (thousands == decimal) thousands = {};
    std::string plain;
    if (!ToPlainNumber(Trimmed(text), decimal, thousands, plain)) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace capture
