// Catalogue entries added after the first language drivers were written.
// A driver that predates them holds nothing, or the placeholder "-", for
// them; the program then shows the English text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace i18n {

inline constexpr int kWallpaperNotSetEntry = 194;   // the picture was saved, the wallpaper not
inline constexpr int kNameHoldsPathEntry = 195;     // a typed name with a path or a forbidden character
inline constexpr int kNameIsDeviceEntry = 196;      // a typed name that Windows keeps for a device
inline constexpr int kNameTooLongEntry = 197;       // a typed name too long for a file name
inline constexpr int kSamePictureEntry = 198;       // log: the last picture was copied again
inline constexpr int kPictureRefusedEntry = 199;    // log: a picture whose data is damaged
inline constexpr int kChangeSkippedEntry = 200;     // log: the clipboard or its owner did not answer
inline constexpr int kChainRepairedEntry = 201;     // log: the clipboard viewer chain was repaired
inline constexpr int kViewerResetEntry = 202;       // log: the viewer was busy too long
inline constexpr int kLastAddedEntry = kViewerResetEntry;

// The English text of an added entry; nothing for the older entries.
std::optional<std::string> AddedEntryFallback(int entry);

// The text to show for an entry whose driver line is `driverText` (nothing
// when the driver has no such line).
std::string EntryText(int entry, const std::optional<std::string_view>& driverText);

} // namespace i18n
