// How much of a long text or file list the viewer shows: a text box of
// millions of lines, or of megabytes in a line, would hold the program up
// for many seconds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace clipboard {

inline constexpr std::size_t kMaxShownLines = 10000;
inline constexpr std::size_t kMaxShownBytes = 500000;

// The line that stands for the lines left out: "... and N more".
std::string MoreLinesText(std::size_t more);

// Text as the viewer shows it: its first lines, at most `maxLines` of them
// and `maxBytes` in all, each with its own line end, then the "more" line
// that counts the lines not shown in full and the `linesAfter` that follow
// the text. A line that crosses the byte limit is shown up to it, on a line
// of its own. Short text with nothing after it stays as it is.
std::string FirstLines(std::string_view text, std::size_t maxLines = kMaxShownLines,
                       std::size_t maxBytes = kMaxShownBytes, std::size_t linesAfter = 0);

} // namespace clipboard
