// Reading one clipboard change: the picture is copied out of the clipboard
// from the best form it is offered in (PNG, a bitmap through the program's
// own DIB reader, JPEG, a device-dependent bitmap), decoded and checked
// while the clipboard is open. It runs on the reader thread.
#pragma once

#include "capture/CopiedForm.h"
#include "capture/ProgramList.h"
#include "ui/Picture.h"
#include "ui/SpareBitmap.h"

#include <memory>

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
    CopiedForm copied;  // what the picture was on the clipboard
    std::string detail; // why it was refused or unavailable (for the debugger)
    // A picture refused for its size: the size its file announced.
    struct Size {
        int width = 0;
        int height = 0;
    } announcedSize;
    // Unavailable for now (the clipboard was held, or its owner was busy):
    // worth another try while the change is the clipboard's current one.
    bool tryAgain = false;
};

// Which bitmaps a read takes: only when a bitmap is the clipboard's best
// format (the automatic choice), or whenever one is offered (the user chose
// to show it).
enum class BitmapChoice { WhenBest, WhenOffered };

// A device-dependent bitmap format of the open clipboard (CF_BITMAP or
// CF_DSPBITMAP), copied with the clipboard's palette if it has one; empty
// when there is none. Such a bitmap is the system's own object, safe to copy.
ui::Picture CopyClipboardBitmap(UINT format);

// The clipboard's best format by the automatic choice's priority list: 0
// when the clipboard is empty, -1 when it holds none of the listed formats.
// A picture offered only as PNG or JPEG counts as a bitmap.
long BestClipboardFormat();

// Reads the clipboard as it is now. `window` is the reading window (it may
// be nullptr); the picture's bitmap may come from `spare` and goes back to it.
// A change whose owner window belongs to an `excluded` program is private:
// nothing of it is read.
ClipboardChange ReadClipboardChange(HWND window, BitmapChoice choice = BitmapChoice::WhenBest,
                                    const std::shared_ptr<ui::SpareBitmap>& spare = {},
                                    const SharedProgramList* excluded = nullptr);
// The file name of the program whose window owns the clipboard
// ("KeePassXC.exe"); empty when no window owns it or its program cannot be told.
std::string ClipboardOwnerProgram(HWND owner);

} // namespace capture
