#include "app/OptionsFile.h"

#include "capture/WebpEncoder.h"
#include "ui/SettingsFile.h"

#include <stdexcept>

namespace app {
namespace {

char Digit(int value, int highest, const char* what) {
    if (value < 0 || value > highest) throw std::invalid_argument(std::string("no digit for ") + what);
    return static_cast<char>('0' + value);
}

// Line 1's digit at a position, when it is one of 0..highest.
std::optional<int> DigitAt(const std::string& line, size_t position, int lowest, int highest) {
    if (position >= line.size()) return std::nullopt;
    const int value = line[position] - '0';
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

} // namespace

std::string FormatOptionsFile(const OptionsValues& values) {
    if (values.resolution < 1) throw std::invalid_argument("no resolution selected");
    std::string text(1, Digit(values.resolution, kResolutionCount, "the resolution"));
    for (int check : values.checks) text += Digit(check, 2, "a check box value");
    if (values.resolution == kCustomResolution)
        text += "\r" + values.customWidth + "\r" + values.customHeight;
    return text + ui::kSettingsLineEnd;
}

OptionsFileContent ParseOptionsFile(std::string_view content) {
    OptionsFileContent result;
    result.lines = ui::SplitSettingsLines(content);
    if (result.lines.size() > kOptionsListLimit) result.lines.resize(kOptionsListLimit);
    // The hidden list cannot hold an empty entry.
    for (std::string& line : result.lines)
        if (line.empty()) line.push_back(' ');
    const std::string first = result.lines.empty() ? std::string() : result.lines[0];
    result.resolution = DigitAt(first, 0, 1, kResolutionCount);
    if (result.resolution == kCustomResolution) {
        // A custom line that is missing leaves its box as it is.
        if (result.lines.size() > 1) result.customWidth = result.lines[1];
        if (result.lines.size() > 2) result.customHeight = result.lines[2];
    }
    for (size_t k = 0; k < result.checks.size(); ++k) result.checks[k] = DigitAt(first, k + 1, 0, 2);
    return result;
}

std::optional<int> ParseWebpQuality(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return capture::kDefaultWebpQuality;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= 100 ? std::optional<int>(value) : std::nullopt;
}

} // namespace app
