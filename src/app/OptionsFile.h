// The options file VLCREXT.INI. Line 1 holds twelve digits: the minimum
// resolution (1..6) and the values of Check1..Check11 (0, 1 or 2). Files of
// older versions have only nine to eleven, and a box whose digit is missing
// stays as it is (off); older versions read their digits and ignore the
// rest. With the custom resolution (6) a single CR follows, the custom
// width, another CR and the custom height. The file ends with CR LF.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr char kOptionsFile[] = "VLCREXT.INI";
// The programs whose copies are never caught, one line as typed (UTF-8),
// in a file of its own that older versions do not know.
inline constexpr char kExcludedProgramsFile[] = "VLCREXCL.INI";
// The quality of lossy WebP files, one line as typed, in a file of its own.
inline constexpr char kWebpQualityFile[] = "VLCRWEBP.INI";
inline constexpr int kResolutionCount = 6;
inline constexpr int kCustomResolution = 6;
inline constexpr int kOptionCheckCount = 11;

// The hidden list keeps at most this many lines of the file. Only lines
// 1..3 are ever read; the limit keeps a file of millions of lines from
// holding up the start.
inline constexpr size_t kOptionsListLimit = 1000;

// What the reset button writes: only seven characters, so that reading it
// leaves Check7 to Check11 as they are.
inline constexpr char kResetOptionsText[] = "2110000\r\n";

// The options as the controls hold them.
struct OptionsValues {
    int resolution = 2; // 1..6: the selected button Option1..Option6
    std::array<int, kOptionCheckCount> checks{};
    std::string customWidth;
    std::string customHeight;
};

// The file's bytes. Throws std::invalid_argument for a resolution outside
// 1..6 or a check value outside 0..2, which one digit cannot hold.
std::string FormatOptionsFile(const OptionsValues& values);

// What reading a file yields; an absent value leaves its control unchanged.
struct OptionsFileContent {
    // The lines of the file up to kOptionsListLimit, an empty one as a
    // single blank (the hidden list lst_Options).
    std::vector<std::string> lines;
    std::optional<int> resolution;
    std::array<std::optional<int>, kOptionCheckCount> checks;
    std::optional<std::string> customWidth;
    std::optional<std::string> customHeight;
};

OptionsFileContent ParseOptionsFile(std::string_view content);

// The WebP quality typed: a whole number 0..100, blanks around it allowed.
// Nothing for any other text; an empty one is the default quality.
std::optional<int> ParseWebpQuality(std::string_view text);

} // namespace app
