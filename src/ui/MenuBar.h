// A window's menu bar built from MenuItem objects that the form keeps, so
// that captions, checks, tags and the enabled state can be read and set
// before the window exists. Menu control arrays (MenuArray) load and unload
// items at run time.
#pragma once

#include "ui/Menus.h"
#include "ui/WinHandles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// A menu control array: item 0 exists from the start; items above it are
// loaded and unloaded at run time. Addresses of items stay valid until they
// are unloaded.
class MenuArray {
  public:
    explicit MenuArray(std::string designCaption);
    MenuArray(const MenuArray&) = delete;
    MenuArray& operator=(const MenuArray&) = delete;
    size_t Count() const { return items_.size(); }
    // Throws std::out_of_range for an item that is not loaded.
    MenuItem& operator[](size_t index);
    const MenuItem& operator[](size_t index) const;
    // Loads a new item at the end (index Count()): enabled, unchecked, no tag.
    MenuItem& Load();
    // Unloads every item above `index`.
    void UnloadAbove(size_t index);
    std::vector<MenuItem*> Items();
    // A click on item `index`.
    std::function<void(size_t index)> OnClick;

  private:
    void Wire(size_t index);
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuBar {
  public:
    MenuBar() = default;
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // Adds a top-level menu; `items` gives its entries whenever the menu is
    // built or updated (the objects must outlive the bar).
    void AddMenu(MenuItem& title, std::function<std::vector<MenuItem*>()> items);
    // Gives the window its menu bar.
    void Attach(HWND window);
    // Takes the menu bar from the window (before the window goes) and destroys it.
    void Detach();
    // The window was destroyed with the menu bar still attached (the system
    // destroyed the menus with it).
    void WindowGone();
    // Pushes the items' current state into the menus.
    void Update();
    // A WM_COMMAND from the menu bar: runs the item's OnClick. False when the
    // id is none of this bar's.
    bool OnCommand(WORD id);

    HMENU Handle() const { return bar_.get(); }
    // The popup menu of top-level menu `menu`, or nullptr.
    HMENU Popup(size_t menu) const;

  private:
    struct Menu {
        MenuItem* title;
        std::function<std::vector<MenuItem*>()> items;
        HMENU popup = nullptr; // owned by bar_
    };
    void FillPopup(size_t index);

    std::vector<Menu> menus_;
    UniqueMenu bar_;
    HWND window_ = nullptr;
};

} // namespace ui
