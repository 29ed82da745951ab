// Menu items with the properties the forms use (caption, enabled, checked,
// visible, default item, tag) and a pop-up menu built from them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    std::string caption;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::string tag;
    std::function<void()> OnClick;
};

// The caption that shows `text` as it is: in a caption "&" marks the next
// letter as the access key, and "&&" stands for "&".
std::string LiteralCaption(const std::string& text);

// Shows the items as a pop-up menu at a screen point (pixels); the chosen
// item's OnClick runs after the menu has closed. The default item is drawn
// bold. Returns the chosen item, or nullptr.
MenuItem* ShowPopupMenu(HWND owner, POINT at, const std::vector<MenuItem*>& items,
                        const MenuItem* defaultItem);

} // namespace ui
