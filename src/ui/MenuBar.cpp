#include "ui/MenuBar.h"
#include "ui/WideText.h"

#include <algorithm>
#include <stdexcept>

namespace ui {
namespace {

// Command ids: one block of kItemsPerMenu ids per top-level menu.
constexpr WORD kFirstCommand = 0x1000;
constexpr WORD kItemsPerMenu = 0x1000;
constexpr size_t kMaxMenus = (0xFFFF - kFirstCommand) / kItemsPerMenu;

WORD CommandId(size_t menu, size_t item) {
    return static_cast<WORD>(kFirstCommand + menu * kItemsPerMenu + item);
}

UINT StateFlags(const MenuItem& item) {
    return (item.enabled ? MF_ENABLED : MF_GRAYED) | (item.checked ? MF_CHECKED : MF_UNCHECKED);
}

} // namespace

// --- MenuArray -------------------------------------------------------------

MenuArray::MenuArray(std::string designCaption) {
    items_.push_back(std::make_unique<MenuItem>());
    items_[0]->caption = std::move(designCaption);
    Wire(0);
}

MenuItem& MenuArray::operator[](size_t index) {
    return *items_.at(index);
}
const MenuItem& MenuArray::operator[](size_t index) const {
    return *items_.at(index);
}

MenuItem& MenuArray::Load() {
    items_.push_back(std::make_unique<MenuItem>());
    Wire(items_.size() - 1);
    return *items_.back();
}

void MenuArray::UnloadAbove(size_t index) {
    if (items_.size() > index + 1) items_.resize(index + 1);
}

std::vector<MenuItem*> MenuArray::Items() {
    std::vector<MenuItem*> items;
    for (auto& item : items_) items.push_back(item.get());
    return items;
}

void MenuArray::Wire(size_t index) {
    items_[index]->OnClick = [this, index] {
        if (OnClick) OnClick(index);
    };
}

// --- MenuBar ---------------------------------------------------------------

void MenuBar::AddMenu(MenuItem& title, std::function<std::vector<MenuItem*>()> items) {
    if (menus_.size() >= kMaxMenus) throw std::length_error("too many menus in one menu bar");
    menus_.push_back({&title, std::move(items)});
}

void MenuBar::Attach(HWND window) {
    Detach();
    UniqueMenu bar(CreateMenu());
    if (!bar) throw std::runtime_error("a menu bar could not be created");
    for (size_t i = 0; i < menus_.size(); ++i) {
        HMENU popup = CreatePopupMenu();
        if (!popup) throw std::runtime_error("a menu could not be created");
        // From here the bar owns the popup.
        AppendMenuW(bar.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                    Wide(menus_[i].title->caption).c_str());
        menus_[i].popup = popup;
    }
    if (!SetMenu(window, bar.get())) throw std::runtime_error("a menu bar could not be attached");
    bar_ = std::move(bar);
    window_ = window;
    Update();
}

void MenuBar::Detach() {
    if (window_ && IsWindow(window_)) SetMenu(window_, nullptr);
    bar_.reset();
    window_ = nullptr;
    for (Menu& menu : menus_) menu.popup = nullptr;
}

void MenuBar::WindowGone() {
    (void)bar_.release(); // destroyed with the window
    window_ = nullptr;
    for (Menu& menu : menus_) menu.popup = nullptr;
}

HMENU MenuBar::Popup(size_t menu) const {
    return menu < menus_.size() ? menus_[menu].popup : nullptr;
}

void MenuBar::FillPopup(size_t index) {
    HMENU popup = menus_[index].popup;
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    const std::vector<MenuItem*> items = menus_[index].items();
    // Items past the block of command ids cannot be told apart and are left out.
    const size_t count = std::min<size_t>(items.size(), kItemsPerMenu);
    for (size_t i = 0; i < count; ++i) {
        const MenuItem& item = *items[i];
        if (!item.visible) continue;
        if (item.separator)
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(popup, MF_STRING | StateFlags(item), CommandId(index, i), Wide(item.caption).c_str());
    }
}

void MenuBar::Update() {
    if (!bar_) return;
    for (size_t i = 0; i < menus_.size(); ++i) {
        const MenuItem& title = *menus_[i].title;
        ModifyMenuW(bar_.get(), static_cast<UINT>(i),
                    MF_BYPOSITION | MF_POPUP | MF_STRING | StateFlags(title),
                    reinterpret_cast<UINT_PTR>(menus_[i].popup), Wide(title.caption).c_str());
        FillPopup(i);
    }
    if (window_) DrawMenuBar(window_);
}

bool MenuBar::OnCommand(WORD id) {
    if (id < kFirstCommand) return false;
    const size_t menu = (id - kFirstCommand) / kItemsPerMenu;
    const size_t item = (id - kFirstCommand) % kItemsPerMenu;
    if (menu >= menus_.size()) return false;
    const std::vector<MenuItem*> items = menus_[menu].items();
    if (item >= items.size()) return true; // an item unloaded since the menu was shown
    // A copy: the handler may unload the very item it was called from.
    const std::function<void()> click = items[item]->OnClick;
    if (click) click();
    return true;
}

} // namespace ui
