#include "clipboard/ViewerWindows.h"

#include "clipboard/ClipViewerForm.h"
#include "ui/Twips.h"

#include <cmath>
#include <memory>
#include <vector>

namespace clipboard {
namespace {

struct Windows {
    std::vector<std::unique_ptr<ClipViewerForm>> slots;
    std::size_t count = 0;
    // Closed windows wait here until no handler of theirs can still be
    // running ("E&xit" closes the window it was chosen in).
    std::vector<std::unique_ptr<ClipViewerForm>> closed;
};

Windows& ViewerWindows() {
    static Windows windows;
    return windows;
}

// One title bar down and to the right of the window it was opened from.
int NewWindowOffset(const ClipViewerForm& from) {
    return from.ToTwips(GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION));
}

} // namespace

void NewViewerWindow(ClipViewerForm& from) {
    Windows& windows = ViewerWindows();
    windows.closed.clear();
    if (windows.slots.size() <= windows.count) windows.slots.resize(windows.count + 1);
    const int offset = NewWindowOffset(from);
    auto& slot = windows.slots[windows.count];
    slot = std::make_unique<ClipViewerForm>(from.Engine(), from.Host());
    slot->Move(from.Left() + offset, from.Top() + offset);
    slot->Show();
    ++windows.count;
}

void CloseViewerWindows() {
    Windows& windows = ViewerWindows();
    windows.closed.clear();
    for (std::size_t slot = windows.count; slot-- > 0;) {
        if (!windows.slots[slot]) continue; // emptied before
        windows.slots[slot]->Unload();
        windows.closed.push_back(std::move(windows.slots[slot]));
    }
}

void CloseViewerWindowsForEnd() {
    Windows& windows = ViewerWindows();
    for (std::size_t slot = windows.count; slot-- > 0;)
        if (windows.slots[slot]) windows.slots[slot]->Unload();
    windows.slots.clear();
    windows.closed.clear();
    windows.count = 0;
}

std::size_t ViewerWindowCount() {
    return ViewerWindows().count;
}

ClipViewerForm* ViewerWindow(std::size_t slot) {
    const Windows& windows = ViewerWindows();
    return slot < windows.slots.size() ? windows.slots[slot].get() : nullptr;
}

} // namespace clipboard
