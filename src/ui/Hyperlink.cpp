#include "ui/Hyperlink.h"

#include "ui/Form.h"
#include "ui/Theme.h"
#include "ui/ThemeColours.h"
#include "ui/WideText.h"

#include <commctrl.h>
#include <shellapi.h>

namespace ui {

Hyperlink::Hyperlink(Form& form, std::string caption, std::string address)
    : Label(form, std::move(caption)), address_(std::move(address)) {
    OnClick = [this] {
        if (!Open()) OutputDebugStringA(("The link could not be opened: " + address_ + "\n").c_str());
    };
}

bool Hyperlink::Open() const {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Wide(address_).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

HBRUSH Hyperlink::OnColor(HDC dc) {
    SetTextColor(dc, theme::Dark() ? kDarkColours.link : RGB(0, 0, 204));
    SetBkColor(dc, theme::Face());
    return theme::FaceBrush();
}

void Hyperlink::AfterCreate() {
    Underline();
    SetWindowSubclass(hWnd(), &Hyperlink::CursorProc, 1, 0);
}

// The form's font, underlined; made again when the form's font changes.
void Hyperlink::Underline() {
    LOGFONTA font{};
    GetObjectA(OwnerForm().Font(false), sizeof font, &font);
    font.lfUnderline = TRUE;
    UniqueFont underlined(CreateFontIndirectA(&font));
    if (!underlined) return; // the form's own font stays
    SendMessageA(hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(underlined.get()), TRUE);
    underlined_ = std::move(underlined);
}

LRESULT CALLBACK Hyperlink::CursorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR) {
    if (msg == WM_SETCURSOR) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace ui
