#include "ui/Menus.h"
#include "ui/WideText.h"

#include "ui/WinHandles.h"

namespace ui {

std::string LiteralCaption(const std::string& text) {
    std::string caption;
    caption.reserve(text.size());
    for (char c : text) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

MenuItem* ShowPopupMenu(HWND owner, POINT at, const std::vector<MenuItem*>& items,
                        const MenuItem* defaultItem) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return nullptr;
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = *items[i];
        if (!item.visible) continue;
        const UINT id = static_cast<UINT>(i + 1);
        if (item.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        AppendMenuW(menu.get(), flags, id, Wide(item.caption).c_str());
        if (&item == defaultItem) SetMenuDefaultItem(menu.get(), id, FALSE);
    }
    // The owner must be in the foreground, or the menu stays open when the
    // user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen == 0 || chosen > items.size()) return nullptr;
    MenuItem* item = items[chosen - 1];
    if (item->OnClick) item->OnClick();
    return item;
}

} // namespace ui
