// The predefined clipboard formats the program deals with, and the order in
// which the automatic choice looks for them. A change is a picture to catch
// only when a bitmap is its best format.
#pragma once

#include <array>

namespace capture {

namespace format {
inline constexpr long Text = 1;
inline constexpr long Bitmap = 2;
inline constexpr long MetafilePict = 3;
inline constexpr long OemText = 7;
inline constexpr long Dib = 8;
inline constexpr long Palette = 9;
inline constexpr long EnhMetafile = 14;
inline constexpr long HDrop = 15;
inline constexpr long Locale = 16;
inline constexpr long OwnerDisplay = 128;
inline constexpr long DspText = 129;
inline constexpr long DspBitmap = 130;
inline constexpr long DspMetafilePict = 131;
} // namespace format

// Formats registered by name in which programs offer encoded pictures. They
// stand at the bitmap's place in the priority list: a change that offers one
// of them, and nothing listed before the bitmap, is a picture.
inline constexpr const char* kPngFormatNames[] = {"PNG", "image/png"};
inline constexpr const char* kJfifFormatNames[] = {"JFIF", "JPEG", "image/jpeg"};
inline constexpr const char* kWebpFormatNames[] = {"image/webp"};

// The formats the automatic choice looks for, best first.
inline constexpr std::array<unsigned, 5> kPriorityList{format::OwnerDisplay, format::Text,
                                                       format::EnhMetafile, format::Bitmap, format::HDrop};

} // namespace capture
