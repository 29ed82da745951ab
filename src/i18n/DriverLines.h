// The lines of a language driver file: one catalogue entry per line, the
// line number is the key.
#pragma once

#include "i18n/AddedEntries.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace i18n {

// The catalogue holds the lines of the driver up to the last entry the
// program reads; a huge file must not hold up the start.
inline constexpr size_t kCatalogueLines = i18n::entry::kLastAdded + 1;
// The highest entry read is 193: a language driver has at least 194 lines.
inline constexpr size_t kDriverMinLines = 194;

// Splits the file's content into entries. Lines end at CR LF, a lone CR or a
// lone LF; a last line without a line end is still an entry; an empty line
// becomes a single blank, so that no entry is empty.
std::vector<std::string> SplitDriverLines(std::string_view content);

// The form of every error report: "(" N ") " and the entry's text.
std::string ErrorReportText(int entry, std::string_view text);

} // namespace i18n
