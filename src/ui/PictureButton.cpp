#include "ui/PictureButton.h"

#include "ui/Form.h"
#include "ui/QuietHover.h"
#include "ui/Theme.h"
#include "ui/Twips.h"

namespace ui {

PictureButton::PictureButton(Form& form) : Control(form) {}

void PictureButton::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    if (hWnd()) InvalidateRect(hWnd(), nullptr, TRUE);
}

void PictureButton::OnCommand(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

bool PictureButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (theme::Dark()) {
        theme::PaintDarkButton(item.hDC, rect, pressed, false);
    } else {
        FillRect(item.hDC, &rect, GetSysColorBrush(pressed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
        DrawEdge(item.hDC, &rect, pressed ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
    }
    if (!picture_.Empty()) {
        const int width = PictureToPixels(picture_.Width(), OwnerForm().Dpi());
        const int height = PictureToPixels(picture_.Height(), OwnerForm().Dpi());
        const int left = (rect.left + rect.right - width) / 2 + (pressed ? 1 : 0);
        const int top = (rect.top + rect.bottom - height) / 2 + (pressed ? 1 : 0);
        picture_.Draw(item.hDC, RECT{left, top, left + width, top + height});
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

HWND PictureButton::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    HWND hwnd = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, x, y, width, height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    QuietHover(hwnd);
    return hwnd;
}

} // namespace ui
