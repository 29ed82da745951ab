// Reading one clipboard change, at once and briefly: the picture is copied
// out of the clipboard through the program's own DIB reader (or from a
// bitmap when no DIB is offered), and the clipboard is closed again before
// anything slow happens.
#pragma once

#include "ui/Picture.h"

#include <string>

namespace capture {

enum class ChangeContent {
    NoPicture,   // the change's best format is not a bitmap (or the clipboard is empty)
    Picture,     // a bitmap, copied into `picture`
    Refused,     // a bitmap whose data is damaged or too large: nothing reached the system
    Private,     // marked as private by the program that set it
    Unavailable, // the clipboard stayed locked, or its owner did not answer
};

struct ClipboardChange {
    unsigned long sequence = 0; // the system's clipboard sequence number
    ChangeContent content = ChangeContent::NoPicture;
    ui::Picture picture;
    std::string detail; // why it was refused or unavailable (for the debugger)
    bool locked = false; // unavailable because another program held the clipboard: worth another try
};

// Which bitmaps a read takes: only when a bitmap is the clipboard's best
// format (the automatic choice), or whenever one is offered (the user chose
// to show it).
enum class BitmapChoice { WhenBest, WhenOffered };

// Reads the clipboard as it is now. `window` is the reading window (it may
// be nullptr).
ClipboardChange ReadClipboardChange(HWND window, BitmapChoice choice = BitmapChoice::WhenBest);

} // namespace capture
