// The names of saved pictures and the texts that report a picture's size.
#pragma once

#include "ui/DateTime.h"

#include <functional>
#include <string>
#include <string_view>

namespace capture {

// Year, month, day, hour, minute and second without leading zeros, joined:
// 16:05:09 on 7 December 2026 gives "20261271659".
std::string AutomaticPictureName(const ui::DateTime& when);

// The kind of file a picture is saved as, and its name's extension.
enum class PictureFormat { Jpeg, Png, Webp };
std::string_view ExtensionOf(PictureFormat format);

// Candidate n of a base path (folder, "\", name): n = 1 is base + the
// extension (".jpg"), later ones base + "_n" + the extension.
std::string NumberedPictureName(std::string_view base, int n, std::string_view extension);

// The first candidate (from n = 1 on) that is not taken. Throws
// std::runtime_error when every candidate up to kMaxPictureNumber is taken.
inline constexpr int kMaxPictureNumber = 100000;
std::string NextFreePictureName(std::string_view base, std::string_view extension,
                                const std::function<bool(const std::string&)>& taken);

// Why a typed file name cannot be used, or nothing when it can. A usable name
// is one file name in the slot's folder: no path, no character that Windows
// forbids in names, no device name, and short enough for a numbered ".jpg"
// or ".png".
enum class NameProblem { None, ForbiddenCharacter, DeviceName, TooLong };
// A control character or one of < > : " / \ | ? *, which Windows refuses in names.
bool IsForbiddenInNames(unsigned char c);
NameProblem TypedNameProblem(std::string_view name);
inline constexpr size_t kMaxTypedNameLength = 240;

// Why a name cannot be used in that folder: as a typed name, or because the
// whole path of its last numbered candidate ("_100000.jpg") would pass
// MAX_PATH.
NameProblem NameProblemIn(std::string_view folder, std::string_view name);

// "W x H px", the size labels' text.
std::string SizeText(int width, int height);
// The log text of a caught picture: message, ": W x H".
std::string CaughtLogText(std::string_view message, int width, int height);

} // namespace capture
