// How much of a long text or file list the viewer shows: a text box of
// millions of lines would hold the program up for many seconds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace clipboard {

inline constexpr std::size_t kMaxShownLines = 10000;

// The line that stands for the lines left out: "... and N more".
std::string MoreLinesText(std::size_t more);

// The first `keep` lines of text, each with its own line end, followed by
// the "more" line when further lines follow; shorter text as it is.
std::string FirstLines(std::string_view text, std::size_t keep = kMaxShownLines);

} // namespace clipboard
