#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/WideText.h"

namespace ui {

Control::Control(Form& form) : form_(form) {
    form_.Register(*this);
}

Control::~Control() {
    form_.Unregister(*this);
}

void Control::SetContainer(Control& container) {
    container_ = &container;
}

void Control::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (hwnd_)
        MoveWindow(hwnd_, form_.ToPixels(left), form_.ToPixels(top), form_.ToPixels(width),
                   form_.ToPixels(height), TRUE);
}

void Control::FollowDpi() {
    if (!hwnd_) return;
    Move(left_, top_, width_, height_);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font(bold_)), TRUE);
    OnDpiChanged();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Control::SetToolTipText(const std::string& text) {
    toolTip_ = text;
    if (hwnd_) form_.SetToolTip(hwnd_, text);
}

void Control::SetBold(bool bold) {
    bold_ = bold;
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font(bold_)), TRUE);
}

void Control::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

void Control::ZOrder() {
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::Create() {
    if (hwnd_) return;
    if (container_) container_->Create();
    hwnd_ = CreateControlWindow(ParentWindow(), form_.ToPixels(left_), form_.ToPixels(top_),
                                form_.ToPixels(width_), form_.ToPixels(height_));
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font(bold_)), FALSE);
    EnableWindow(hwnd_, enabled_ ? TRUE : FALSE);
    AfterCreate();
    if (!toolTip_.empty()) form_.SetToolTip(hwnd_, toolTip_);
    ShowWindow(hwnd_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void Control::WindowDestroyed() {
    hwnd_ = nullptr;
}

HWND Control::ParentWindow() const {
    return container_ ? container_->hWnd() : form_.hWnd();
}

std::string Control::WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return Utf8(text);
}

} // namespace ui
