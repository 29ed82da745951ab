#include "i18n/AddedEntries.h"

#include <array>

namespace i18n {
namespace {

constexpr int kFirstAddedEntry = entry::kFirstAdded;
constexpr std::array<const char*, 26> kEnglish{
    "The picture was saved, but it could not be made the wallpaper",
    "A file name may not hold a folder or any of the characters \\ / : * ? \" < > |",
    "Windows keeps this name for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)",
    "The file name is too long",
    "The same picture again: not saved or shown again",
    "A picture on the clipboard was refused: its data is damaged",
    "A clipboard change was skipped: the clipboard or its owner did not answer",
    "The clipboard viewer chain was broken and has been repaired",
    "The clipboard viewer was busy for too long and has been reset",
    "Clipboard changes that went by too quickly to be read",
    "The picture could not be saved there and is kept in",
    "This picture is no longer where it was saved",
    "A picture on the clipboard was refused: it is too large",
    "Save pictures without loss (PNG, or lossless WebP)",
    "Skip pictures nearly the same as one of the last 20 saved",
    "Nearly the same as a picture saved lately, not saved",
    "Never catch copies of:",
    "Program file names apart by ; (for example KeePassXC.exe; 1Password.exe): their copies are never caught "
    "or logged",
    "File names:",
    "Empty: the date and time. Tokens: {year} {month} {day} {hour} {minute} {second} {counter} {width} "
    "{height} {program} {format}",
    "The template cannot be used",
    "The name from the template cannot be used, the picture is saved under the date and time",
    "Save pictures as WebP, quality:",
    "0 (smallest) to 100 (finest); with \"without loss\" ticked, lossless WebP",
    "The WebP quality is a whole number from 0 to 100",
    "Too large for a WebP file (16383 pixels a side at most), saved as",
};

static_assert(kEnglish.size() == entry::kLastAdded - entry::kFirstAdded + 1);

} // namespace

std::optional<std::string> AddedEntryFallback(int entry) {
    const int index = entry - kFirstAddedEntry;
    if (index < 0 || index >= static_cast<int>(kEnglish.size())) return std::nullopt;
    return kEnglish[static_cast<size_t>(index)];
}

std::string EntryText(int entry, const std::optional<std::string_view>& driverText) {
    const std::optional<std::string> fallback = AddedEntryFallback(entry);
    if (fallback && (!driverText || *driverText == "-")) return *fallback;
    return driverText ? std::string(*driverText) : std::string();
}

} // namespace i18n
