// Catalogue entries added after the first language drivers were written.
// A driver that predates them holds nothing, or the placeholder "-", for
// them; the program then shows the English text.
#pragma once

#include "i18n/CatalogueEntries.h"

#include <optional>
#include <string>
#include <string_view>

namespace i18n {

// The English text of an added entry; nothing for the older entries.
std::optional<std::string> AddedEntryFallback(int entry);

// The text to show for an entry whose driver line is `driverText` (nothing
// when the driver has no such line).
std::string EntryText(int entry, const std::optional<std::string_view>& driverText);

} // namespace i18n
