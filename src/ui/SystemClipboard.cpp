#include "ui/SystemClipboard.h"

#include "ui/WinHandles.h"

#include <stdexcept>

namespace ui {

void EmptySystemClipboard() {
    constexpr int kAttempts = 5;
    constexpr DWORD kPauseMs = 20;
    ClipboardSession clipboard(nullptr, kAttempts, kPauseMs);
    if (!clipboard.IsOpen()) throw std::runtime_error("the clipboard could not be opened");
    if (!EmptyClipboard()) throw std::runtime_error("the clipboard could not be emptied");
}

} // namespace ui
