// The renderers: each draws one clipboard format into a control of a viewer
// window, sets that window's caption, and returns true when it showed
// something. The renderers of formats that are no picture tell the viewer,
// which tells the program (the size labels and the log).
#pragma once

#include "ui/Controls.h"
#include "ui/PictureControls.h"

namespace clipboard {

// CF_TEXT, CF_OEMTEXT or CF_DSPTEXT: the clipboard's plain text.
bool ShowText(long formatId, ui::TextBox& box);
// CF_HDROP: one line per file.
bool ShowFileList(ui::TextBox& box);
// CF_LOCALE: the locale's description.
bool ShowLocale(ui::TextBox& box);
// CF_BITMAP, CF_DSPBITMAP, CF_METAFILEPICT, CF_DSPMETAFILEPICT, CF_ENHMETAFILE.
bool ShowPicture(long formatId, ui::PictureBox& box);
// CF_PALETTE: a 16 x 16 grid of the palette's entries.
bool ShowPalette(ui::PictureBox& box);
// CF_OWNERDISPLAY: the clipboard owner draws into the box.
bool ShowOwnerDisplay(ui::PictureBox& box);

} // namespace clipboard
