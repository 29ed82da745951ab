// The further viewer windows opened from a viewer's File menu.
#pragma once

namespace clipboard {

// At the program's end: every further viewer leaves the chain and goes.
void CloseViewerWindowsForEnd();

} // namespace clipboard
