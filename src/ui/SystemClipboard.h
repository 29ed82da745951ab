// Emptying the system clipboard.
#pragma once

namespace ui {

// Empties the clipboard. Another program may hold it open for a moment, so
// opening is tried a few times. Throws std::runtime_error when it stays
// unavailable.
void EmptySystemClipboard();

} // namespace ui
