#include "ui/Controls.h"

#include "ui/Form.h"
#include "ui/QuietHover.h"
#include "ui/Theme.h"
#include "ui/ThemeColours.h"
#include "ui/Twips.h"
#include "ui/WideText.h"

#include <commctrl.h>

#include <stdexcept>

namespace ui {
namespace {

HWND CreateChild(const char* className, const std::string& text, DWORD style, int x, int y, int width,
                 int height, HWND parent, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, Wide(className).c_str(), Wide(text).c_str(), style | WS_CHILD, x, y,
                           width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Redraws the part of the parent behind a see-through control.
void RepaintBehind(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    RECT rect{};
    if (!parent || !GetWindowRect(hwnd, &rect)) return;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    InvalidateRect(parent, &rect, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void AddListString(HWND list, const std::string& item) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

HBRUSH SeeThrough(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

} // namespace

// --- Label ---------------------------------------------------------------

Label::Label(Form& form, std::string caption) : Control(form), caption_(std::move(caption)) {}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (!hWnd()) return;
    SetWindowTextW(hWnd(), Wide(caption_).c_str());
    if (transparent_) RepaintBehind(hWnd());
}

void Label::OnCommand(WORD code) {
    if (code == STN_CLICKED && OnClick) OnClick();
}

HBRUSH Label::OnColor(HDC dc) {
    return transparent_ ? SeeThrough(dc) : nullptr;
}

HWND Label::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    const DWORD align = alignment_ == Alignment::Center  ? SS_CENTER
                        : alignment_ == Alignment::Right ? SS_RIGHT
                                                         : SS_LEFT;
    return CreateChild("STATIC", caption_, align | SS_NOTIFY, x, y, width, height, parent);
}

// --- TextBox -------------------------------------------------------------

TextBox::TextBox(Form& form, bool multiLine) : Control(form), multiLine_(multiLine) {}

void TextBox::SetText(const std::string& text) {
    const bool changed = text != Text();
    text_ = text;
    if (hWnd()) {
        settingText_ = true;
        SetWindowTextW(hWnd(), Wide(text_).c_str());
        settingText_ = false;
    }
    if (changed && OnChange) OnChange();
}

std::string TextBox::Text() const {
    if (hWnd()) text_ = WindowText(hWnd());
    return text_;
}

void TextBox::SetBackColor(COLORREF color) {
    backColor_ = color;
    backBrush_.reset();
    if (hWnd()) InvalidateRect(hWnd(), nullptr, TRUE);
}

void TextBox::SetLocked(bool locked) {
    locked_ = locked;
    if (hWnd()) SendMessageA(hWnd(), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_CHANGE && !settingText_) {
        text_ = WindowText(hWnd());
        if (OnChange) OnChange();
    } else if (code == EN_KILLFOCUS && OnLostFocus && GetFocus() != nullptr) {
        // Only when the focus moves to another control of the program, not
        // when the user switches to another program.
        OnLostFocus();
    }
}

HBRUSH TextBox::OnColor(HDC dc) {
    const COLORREF shown = theme::Shown(backColor_);
    if (!backBrush_ || brushColor_ != shown) {
        backBrush_.reset(CreateSolidBrush(shown));
        brushColor_ = shown;
    }
    SetBkColor(dc, shown);
    return backBrush_.get();
}

void TextBox::FollowTheme() {
    theme::ApplyToControl(hWnd(), theme::ControlLook::DarkStyle);
}

HWND TextBox::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (multiLine_) style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;
    if (locked_) style |= ES_READONLY;
    HWND hwnd = CreateChild("EDIT", text_, style, x, y, width, height, parent, WS_EX_CLIENTEDGE);
    if (hwnd) SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
    return hwnd;
}

// --- CheckBox ------------------------------------------------------------

CheckBox::CheckBox(Form& form, std::string caption) : Control(form), caption_(std::move(caption)) {}

void CheckBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (hWnd()) SetWindowTextW(hWnd(), Wide(caption_).c_str());
}

void CheckBox::SetValue(int value) {
    if (value < 0 || value > 2) throw std::invalid_argument("a check box value is 0, 1 or 2");
    const bool changed = value != value_;
    value_ = value;
    if (hWnd()) SendMessageA(hWnd(), BM_SETCHECK, static_cast<WPARAM>(value_), 0);
    if (changed && OnChange) OnChange();
}

void CheckBox::OnCommand(WORD code) {
    if (code != BN_CLICKED) return;
    // A click ticks a clear or greyed box and clears a ticked one.
    SetValue(value_ == 1 ? 0 : 1);
    if (OnClick) OnClick();
}

HBRUSH CheckBox::OnColor(HDC dc) {
    return transparent_ ? SeeThrough(dc) : nullptr;
}

void CheckBox::FollowTheme() {
    theme::ApplyToControl(hWnd(), theme::ControlLook::Classic);
}

HWND CheckBox::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    HWND hwnd = CreateChild("BUTTON", caption_, BS_3STATE | WS_TABSTOP, x, y, width, height, parent);
    QuietHover(hwnd);
    if (hwnd) SendMessageA(hwnd, BM_SETCHECK, static_cast<WPARAM>(value_), 0);
    return hwnd;
}

// --- OptionButton --------------------------------------------------------

OptionButton::OptionButton(Form& form, std::string caption) : Control(form), caption_(std::move(caption)) {}

void OptionButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (hWnd()) SetWindowTextW(hWnd(), Wide(caption_).c_str());
}

void OptionButton::SetSelectedQuietly(bool selected) {
    const bool changed = selected != value_;
    value_ = selected;
    if (hWnd()) SendMessageA(hWnd(), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    if (changed && OnChange) OnChange();
}

void OptionButton::SetValue(bool selected) {
    if (selected) {
        // The other option buttons of the same container are cleared.
        for (Control* control : OwnerForm().Controls()) {
            auto* other = dynamic_cast<OptionButton*>(control);
            if (other && other != this && other->Container() == Container()) other->SetSelectedQuietly(false);
        }
    }
    SetSelectedQuietly(selected);
    if (selected && OnClick) OnClick();
}

void OptionButton::OnCommand(WORD code) {
    if (code == BN_CLICKED)
        SetValue(true);
    else if (code == BN_KILLFOCUS && OnLostFocus)
        OnLostFocus();
}

HWND OptionButton::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    HWND hwnd =
        CreateChild("BUTTON", caption_, BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP, x, y, width, height, parent);
    QuietHover(hwnd);
    return hwnd;
}

void OptionButton::FollowTheme() {
    theme::ApplyToControl(hWnd(), theme::ControlLook::Classic);
}

void OptionButton::AfterCreate() {
    SendMessageA(hWnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

// --- CommandButton -------------------------------------------------------

CommandButton::CommandButton(Form& form, std::string caption) : Control(form), caption_(std::move(caption)) {}

void CommandButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (hWnd()) SetWindowTextW(hWnd(), Wide(caption_).c_str());
}

void CommandButton::OnCommand(WORD code) {
    // A disabled button never acts, even when a click message reaches it.
    if (code == BN_CLICKED && Enabled() && OnClick) OnClick();
}

void CommandButton::FollowTheme() {
    SendMessageW(hWnd(), BM_SETSTYLE, theme::Dark() ? BS_OWNERDRAW : BS_PUSHBUTTON, TRUE);
}

// Only in the dark theme: the face, an outline, the caption (grey while
// disabled) and the focus.
bool CommandButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    theme::PaintDarkButton(item.hDC, rect, pressed, true);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? kDarkColours.muted : kDarkColours.text);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hWnd(), WM_GETFONT, 0, 0));
    ScopedSelectObject selectFont(item.hDC, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring caption = Wide(caption_);
    RECT text = rect;
    if (pressed) OffsetRect(&text, 1, 1);
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

HWND CommandButton::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    HWND hwnd = CreateChild("BUTTON", caption_, BS_PUSHBUTTON | WS_TABSTOP, x, y, width, height, parent);
    QuietHover(hwnd);
    return hwnd;
}

// --- ListBox -------------------------------------------------------------

ListBox::ListBox(Form& form) : Control(form) {}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    if (hWnd()) AddListString(hWnd(), item);
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) throw std::out_of_range("no list entry " + std::to_string(index));
    items_.erase(items_.begin() + index);
    if (hWnd()) SendMessageW(hWnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
}

void ListBox::AddItems(const std::vector<std::string>& items) {
    items_.insert(items_.end(), items.begin(), items.end());
    if (!hWnd()) return;
    SendMessageA(hWnd(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& item : items) AddListString(hWnd(), item);
    SendMessageA(hWnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hWnd(), nullptr, TRUE);
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (hWnd()) SendMessageA(hWnd(), LB_RESETCONTENT, 0, 0);
}

std::string ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)];
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw std::out_of_range("list index out of range");
    listIndex_ = index;
    if (hWnd()) SendMessageA(hWnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::TopIndex() const {
    return hWnd() ? static_cast<int>(SendMessageA(hWnd(), LB_GETTOPINDEX, 0, 0)) : 0;
}

int ListBox::ItemHeight() const {
    return hWnd() ? static_cast<int>(SendMessageA(hWnd(), LB_GETITEMHEIGHT, 0, 0)) : 0;
}

void ListBox::OnCommand(WORD code) {
    if (code == LBN_SELCHANGE) listIndex_ = static_cast<int>(SendMessageA(hWnd(), LB_GETCURSEL, 0, 0));
    if (code == LBN_DBLCLK && OnDblClick) OnDblClick();
}

HWND ListBox::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    return CreateChild("LISTBOX", {},
                       LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, x, y, width,
                       height, parent, WS_EX_CLIENTEDGE);
}

void ListBox::FollowTheme() {
    theme::ApplyToControl(hWnd(), theme::ControlLook::DarkStyle);
}

void ListBox::AfterCreate() {
    SendMessageA(hWnd(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& item : items_) AddListString(hWnd(), item);
    SendMessageA(hWnd(), WM_SETREDRAW, TRUE, 0);
    if (listIndex_ >= 0) SendMessageA(hWnd(), LB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
    SetWindowSubclass(hWnd(), &ListBox::MouseProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ListBox::MouseProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
    if (msg == WM_MOUSEMOVE) {
        auto* list = reinterpret_cast<ListBox*>(self);
        if (list->OnMouseMove)
            list->OnMouseMove(PixelsToTwipsX(static_cast<short>(LOWORD(lParam))),
                              PixelsToTwipsY(static_cast<short>(HIWORD(lParam))));
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// --- Frame ---------------------------------------------------------------

Frame::Frame(Form& form) : Control(form) {}

HWND Frame::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    RegisterClassOnce("VellicorFrame", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    return CreateBound(WS_EX_CONTROLPARENT, "VellicorFrame", "", WS_CHILD | WS_CLIPSIBLINGS, x, y, width,
                       height, parent);
}

// A frame passes its children's notifications on to the form.
LRESULT Frame::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, theme::FaceBrush());
        return TRUE;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (HWND root = GetAncestor(hwnd, GA_ROOT)) return SendMessageA(root, msg, wParam, lParam);
        break;
    default: break;
    }
    return Window::HandleMessage(hwnd, msg, wParam, lParam);
}

} // namespace ui
