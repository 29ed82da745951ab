// What a capture follows: the options and the five target slots. The options
// and target panels write it whenever one of their controls changes; the
// capture only reads it.
#pragma once

#include "capture/NameTemplate.h"
#include "capture/PictureNames.h"
#include "capture/ResolutionFilter.h"
#include "capture/WebpEncoder.h"

#include <array>
#include <optional>
#include <string>

namespace catcher {

struct CaptureOptions {
    // Nothing when no resolution is chosen or the custom one is not a number.
    std::optional<capture::MinimumResolution> minimum;
    bool automatic = false;      // save into slot #1 at once, without a notification
    bool emptyAtClose = false;   // empty the clipboard when the notification closes
    bool emptyAfterSave = false; // empty the clipboard after the capture
    bool wallpaper = false;      // the saved picture becomes the wallpaper
    bool namesByHand = false;    // every save asks for a name
    bool lossless = false;       // save PNG (or lossless WebP) files instead of JPEG
    bool skipNearlySame = false; // leave a picture nearly the same as one saved lately
    bool webp = false;           // save WebP files
    int webpQuality = capture::kDefaultWebpQuality;

    // The format pictures are saved in: WebP when asked, else PNG without
    // loss, else JPEG. A picture beyond WebP's size falls back to the other two.
    capture::PictureFormat FormatFor(int width, int height) const {
        if (webp && width <= capture::kMaxWebpSide && height <= capture::kMaxWebpSide)
            return capture::PictureFormat::Webp;
        return lossless ? capture::PictureFormat::Png : capture::PictureFormat::Jpeg;
    }
    capture::WebpSettings WebpEncoding() const { return {lossless, webpQuality}; }
};

struct TargetSlot {
    std::string folder; // empty when the slot has none
    bool offered = false;
};

struct CaptureSettings {
    static constexpr int kSlotCount = 5;

    CaptureOptions options;
    std::array<TargetSlot, kSlotCount> slots;
    capture::NameTemplate nameTemplate; // the names of saved pictures

    // Slots are numbered 1..5.
    const TargetSlot& Slot(int slot) const { return slots.at(static_cast<size_t>(slot - 1)); }
    TargetSlot& Slot(int slot) { return slots.at(static_cast<size_t>(slot - 1)); }
};

} // namespace catcher
