#include "ui/Form.h"

#include "ui/Control.h"
#include "ui/Theme.h"
#include "ui/Timer.h"
#include "ui/Twips.h"
#include "ui/WideText.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {
namespace {

constexpr char kFormClass[] = "VellicorForm";

DWORD StyleOf(FormStyle style) {
    switch (style) {
    case FormStyle::Sizable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case FormStyle::ToolPopup: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case FormStyle::Fixed: break;
    }
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

DWORD ExStyleOf(FormStyle style) {
    return style == FormStyle::ToolPopup ? WS_EX_TOOLWINDOW : WS_EX_CONTROLPARENT;
}

// The work area (the screen without the task bar) of the monitor that holds
// the mouse pointer: the user has just clicked there.
RECT WorkAreaUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor)) return monitor.rcWork;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        OutputDebugStringA("The work area is unknown: the whole screen is used\n");
    return work;
}

// Centred in the work area; a window larger than it keeps its title bar in it.
int CentredStart(LONG low, LONG high, LONG size) {
    return std::max<LONG>(low, low + (high - low - size) / 2);
}

} // namespace

Form::Form(std::string caption, int clientWidthTwips, int clientHeightTwips, FormStyle style)
    : caption_(std::move(caption)), clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips),
      style_(style), dpi_(SystemDpi()) {}

Form::~Form() {
    // Controls and timers are members of derived forms and are gone by now;
    // the window goes with hwnd_.
    controls_.clear();
    timers_.clear();
}

void Form::Register(Control& control) {
    controls_.push_back(&control);
}
void Form::Unregister(Control& control) {
    std::erase(controls_, &control);
}
void Form::Register(Timer& timer) {
    timers_.push_back(&timer);
}
void Form::Unregister(Timer& timer) {
    std::erase(timers_, &timer);
}

int Form::ToPixels(int twips) const {
    return TwipsToPixels(twips, dpi_);
}
int Form::ToTwips(int pixels) const {
    return PixelsToTwips(pixels, dpi_);
}

RECT Form::OuterPixels() const {
    return OuterRectForDpi(RECT{0, 0, ToPixels(clientWidth_), ToPixels(clientHeight_)}, StyleOf(style_),
                           ExStyleOf(style_), dpi_);
}

// The system's message font, whose size is given at the system's DPI.
void Form::CreateFonts() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTA logFont{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        logFont = metrics.lfMessageFont;
    else
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    logFont.lfHeight = MulDiv(logFont.lfHeight, dpi_, SystemDpi());
    font_.reset(CreateFontIndirectA(&logFont));
    logFont.lfWeight = FW_BOLD;
    boldFont_.reset(CreateFontIndirectA(&logFont));
}

HFONT Form::Font(bool bold) const {
    HFONT font = bold ? boldFont_.get() : font_.get();
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Form::Load() {
    if (hwnd_) return;
    RegisterClassOnce(kFormClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    dpi_ = SystemDpi();
    CreateFonts();
    const RECT outer = OuterPixels();
    const POINT start = StartPixels(outer);
    HWND hwnd = CreateBound(ExStyleOf(style_), kFormClass, caption_.c_str(), StyleOf(style_), start.x,
                            start.y, outer.right - outer.left, outer.bottom - outer.top, nullptr);
    if (!hwnd) throw std::runtime_error("a window could not be created");
    hwnd_.reset(hwnd);
    // Made on a screen of another DPI than the system's: laid out at its own.
    if (const int dpi = WindowDpi(hwnd); dpi != dpi_) FollowDpi(dpi, nullptr);
    toolTip_.reset(CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (toolTip_) SendMessageW(toolTip_.get(), TTM_SETMAXTIPWIDTH, 0, 600);
    // Copy the list: creating a control may register more (none do today).
    const std::vector<Control*> controls = controls_;
    for (Control* control : controls) control->Create();
    shownDark_ = false; // a new window and its controls show the light theme
    FollowTheme();
    for (Timer* timer : timers_) timer->FormLoaded();
    Form_Load();
}

POINT Form::StartPixels(const RECT& outer) {
    if (startUpPosition_ == StartUpPosition::Manual) return {ToPixels(left_), ToPixels(top_)};
    const RECT work = WorkAreaUnderPointer();
    const POINT start{CentredStart(work.left, work.right, outer.right - outer.left),
                      CentredStart(work.top, work.bottom, outer.bottom - outer.top)};
    left_ = ToTwips(start.x);
    top_ = ToTwips(start.y);
    return start;
}

void Form::FollowDpi(int dpi, const POINT* topLeft) {
    dpi_ = dpi;
    // The old fonts stay until every control has taken the new ones.
    const UniqueFont oldFont = std::move(font_), oldBoldFont = std::move(boldFont_);
    CreateFonts();
    const RECT outer = OuterPixels();
    const UINT keepPlace = topLeft ? 0 : SWP_NOMOVE;
    SetWindowPos(hwnd_.get(), nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0,
                 outer.right - outer.left, outer.bottom - outer.top,
                 keepPlace | SWP_NOZORDER | SWP_NOACTIVATE);
    // A system that draws the frame at another DPI than it told (Wine draws
    // every frame at the system's) leaves the client area off by the difference.
    RECT client{};
    GetClientRect(hwnd_.get(), &client);
    const int extraWidth = ToPixels(clientWidth_) - client.right,
              extraHeight = ToPixels(clientHeight_) - client.bottom;
    if (extraWidth != 0 || extraHeight != 0)
        SetWindowPos(hwnd_.get(), nullptr, 0, 0, outer.right - outer.left + extraWidth,
                     outer.bottom - outer.top + extraHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (Control* control : controls_) control->FollowDpi();
    Form_DpiChanged();
    InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void Form::FollowTheme() {
    if (!hwnd_ || theme::Dark() == shownDark_) return;
    shownDark_ = theme::Dark();
    theme::ApplyToTitleBar(hwnd_.get());
    for (Control* control : controls_) control->FollowTheme();
    Form_ThemeChanged();
    RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// In the dark theme, the text and its background are the theme's unless the
// control chooses its own; in the light one, the system's.
LRESULT Form::ControlColours(UINT msg, HDC dc, HWND hwnd) {
    const bool field = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    if (theme::Dark()) {
        SetTextColor(dc, theme::Text());
        SetBkColor(dc, field ? theme::Field() : theme::Face());
    }
    if (Control* control = ControlOf(hwnd))
        if (HBRUSH brush = control->OnColor(dc)) return reinterpret_cast<LRESULT>(brush);
    if (theme::Dark()) return reinterpret_cast<LRESULT>(field ? theme::FieldBrush() : theme::FaceBrush());
    return DefWindowProcW(hwnd_.get(), msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
}

void Form::Unload() {
    if (!hwnd_ || unloading_) return;
    unloading_ = true;
    Form_Unload();
    for (Timer* timer : timers_) timer->FormUnloaded();
    toolTip_.reset();
    hwnd_.reset();
    unloading_ = false;
}

void Form::WindowGone() {
    for (Control* control : controls_) control->WindowDestroyed();
    (void)hwnd_.release(); // already destroyed
}

void Form::Show() {
    Load();
    if (!hwnd_) return;
    int command = SW_SHOW;
    if (state_ == WindowState::Minimized)
        command = SW_SHOWMINNOACTIVE;
    else if (state_ == WindowState::Maximized)
        command = SW_SHOWMAXIMIZED;
    else if (IsIconic(hwnd_.get()))
        command = SW_RESTORE;
    ShowWindow(hwnd_.get(), command);
    if (command != SW_SHOWMINNOACTIVE && hwnd_) SetForegroundWindow(hwnd_.get());
}

void Form::Hide() {
    if (hwnd_) ShowWindow(hwnd_.get(), SW_HIDE);
}

bool Form::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_.get());
}

void Form::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd_) SetWindowTextW(hwnd_.get(), Wide(caption_).c_str());
}

int Form::Left() const {
    RECT rect{};
    if (hwnd_ && !IsIconic(hwnd_.get()) && GetWindowRect(hwnd_.get(), &rect)) return ToTwips(rect.left);
    return left_;
}

int Form::Top() const {
    RECT rect{};
    if (hwnd_ && !IsIconic(hwnd_.get()) && GetWindowRect(hwnd_.get(), &rect)) return ToTwips(rect.top);
    return top_;
}

int Form::Width() const {
    RECT rect{};
    if (hwnd_ && !IsIconic(hwnd_.get()) && GetWindowRect(hwnd_.get(), &rect))
        return ToTwips(rect.right - rect.left);
    const RECT outer = OuterPixels();
    return ToTwips(outer.right - outer.left);
}

int Form::Height() const {
    RECT rect{};
    if (hwnd_ && !IsIconic(hwnd_.get()) && GetWindowRect(hwnd_.get(), &rect))
        return ToTwips(rect.bottom - rect.top);
    const RECT outer = OuterPixels();
    return ToTwips(outer.bottom - outer.top);
}

void Form::Move(int left, int top) {
    left_ = left;
    top_ = top;
    if (hwnd_)
        SetWindowPos(hwnd_.get(), nullptr, ToPixels(left), ToPixels(top), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ScaleWidth() const {
    RECT rect{};
    if (hwnd_ && GetClientRect(hwnd_.get(), &rect)) return ToTwips(rect.right);
    return clientWidth_;
}

int Form::ScaleHeight() const {
    RECT rect{};
    if (hwnd_ && GetClientRect(hwnd_.get(), &rect)) return ToTwips(rect.bottom);
    return clientHeight_;
}

void Form::SetWindowState(WindowState state) {
    state_ = state;
    if (!hwnd_ || !IsWindowVisible(hwnd_.get())) return;
    ShowWindow(hwnd_.get(), state == WindowState::Minimized   ? SW_MINIMIZE
                            : state == WindowState::Maximized ? SW_MAXIMIZE
                                                              : SW_RESTORE);
}

void Form::SetBackgroundPicture(Picture picture) {
    background_ = std::move(picture);
    if (hwnd_) InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void Form::SetToolTip(HWND tool, const std::string& text) {
    if (!toolTip_ || !tool) return;
    std::wstring wideText = Wide(text);
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_.get();
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = wideText.data();
    SendMessageW(toolTip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (!text.empty()) SendMessageW(toolTip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

Control* Form::ControlOf(HWND hwnd) const {
    for (Control* control : controls_)
        if (control->hWnd() == hwnd) return control;
    return nullptr;
}

LRESULT Form::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnFormMessage(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_COMMAND:
        // Menus and accelerators send no control window; they are the form's own.
        if (Control* control = lParam ? ControlOf(reinterpret_cast<HWND>(lParam)) : nullptr) {
            control->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return ControlColours(msg, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Control* control = ControlOf(item->hwndItem))
            if (control->OnDrawItem(*item)) return TRUE;
        break;
    }
    case WM_TIMER:
        for (Timer* timer : timers_)
            if (timer->Id() == wParam) {
                timer->Tick();
                return 0;
            }
        break;
    case WM_SETTINGCHANGE:
        if (theme::IsThemeChange(lParam)) {
            theme::FollowSystem(); // every form is told; the first one finds the change
            FollowTheme();
        }
        break;
    case WM_ERASEBKGND:
        if (!background_.Empty() || theme::Dark()) {
            // The picture from the top-left corner, on the face colour, at its
            // own size at 96 DPI and grown with the form's DPI.
            RECT client{};
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, theme::FaceBrush());
            if (background_.Empty()) return TRUE;
            background_.Draw(reinterpret_cast<HDC>(wParam),
                             RECT{0, 0, PictureToPixels(background_.Width(), dpi_),
                                  PictureToPixels(background_.Height(), dpi_)});
            return TRUE;
        }
        break;
    case WM_SIZE:
        state_ = wParam == SIZE_MINIMIZED   ? WindowState::Minimized
                 : wParam == SIZE_MAXIMIZED ? WindowState::Maximized
                                            : WindowState::Normal;
        Form_Resize();
        return 0;
    case WM_MOVE:
        if (!IsIconic(hwnd)) {
            RECT rect{};
            GetWindowRect(hwnd, &rect);
            left_ = ToTwips(rect.left);
            top_ = ToTwips(rect.top);
        }
        break;
    case WM_DPICHANGED: {
        // The window went to a screen of another DPI: laid out anew at the
        // place the system suggests, at the size the twips give there.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        FollowDpi(HIWORD(wParam), &topLeft);
        return 0;
    }
    case WM_CLOSE: Form_CloseBox(); return 0;
    case WM_ACTIVATE: {
        // The default gives the focus to the form; a form may then pass it on.
        const LRESULT defaultResult = DefWindowProcW(hwnd, msg, wParam, lParam);
        if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
        return defaultResult;
    }
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace ui
