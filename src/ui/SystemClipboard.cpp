#include "ui/SystemClipboard.h"

#include "ui/WinHandles.h"

#include <stdexcept>

namespace ui {

void EmptySystemClipboard() {
    constexpr int kAttempts = 5;
    constexpr DWORD kPauseMs = 20;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        ClipboardSession clipboard;
        if (clipboard.IsOpen()) {
            if (!EmptyClipboard()) throw std::runtime_error("the clipboard could not be emptied");
            return;
        }
        if (attempt < kAttempts) Sleep(kPauseMs);
    }
    throw std::runtime_error("the clipboard could not be opened");
}

} // namespace ui
