// The further viewer windows opened from a viewer's File menu. Each joins
// the clipboard-viewer chain on its own; the default viewer is not one of them.
#pragma once

#include <cstddef>

namespace clipboard {

class ClipViewerForm;

// Opens a further viewer window, shifted down and right from `from` by the
// height of a caption and a frame.
void NewViewerWindow(ClipViewerForm& from);
// Closes every further viewer window. The slots are not reused: later
// windows take new ones.
void CloseViewerWindows();
// At the program's end: every further viewer leaves the chain and goes.
void CloseViewerWindowsForEnd();

// The number of slots used so far, and the window in a slot (nullptr for a
// closed one).
std::size_t ViewerWindowCount();
ClipViewerForm* ViewerWindow(std::size_t slot);

} // namespace clipboard
