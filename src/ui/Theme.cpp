#include "ui/Theme.h"

#include "ui/SystemLibrary.h"
#include "ui/ThemeColours.h"
#include "ui/WinHandles.h"

#include <optional>

namespace ui::theme {
namespace {

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t kAppsUseLightTheme[] = L"AppsUseLightTheme";
// The window attribute of a dark title bar; 19 before Windows 10 20H1.
constexpr DWORD kImmersiveDarkMode = 20, kImmersiveDarkModeBefore20H1 = 19;

// The dark theme's brushes, made while it is the theme.
struct DarkBrushes {
    UniqueBrush face, field, pressed, edge;
};

struct State {
    std::optional<bool> dark;
    DarkBrushes brushes;
};

State& Current() {
    static State state;
    return state;
}

// The system's libraries that the dark theme needs, loaded from the system
// folder when first needed; a system without them keeps the light look of
// what they draw.
const SystemLibrary& DwmLibrary() {
    static const SystemLibrary library(L"dwmapi.dll");
    return library;
}
const SystemLibrary& ThemeLibrary() {
    static const SystemLibrary library(L"uxtheme.dll");
    return library;
}

void MakeBrushes(State& state) {
    state.brushes = {};
    if (!state.dark.value_or(false)) return;
    state.brushes.face.reset(CreateSolidBrush(kDarkColours.face));
    state.brushes.field.reset(CreateSolidBrush(kDarkColours.field));
    state.brushes.pressed.reset(CreateSolidBrush(kDarkColours.pressed));
    state.brushes.edge.reset(CreateSolidBrush(kDarkColours.edge));
}

// What the system's setting says now (a missing setting: light).
bool SystemWantsDarkApps() {
    DWORD light = 1, size = sizeof light;
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, kAppsUseLightTheme,
                                        RRF_RT_REG_DWORD, nullptr, &light, &size);
    return status == ERROR_SUCCESS && light == 0;
}

} // namespace

bool Dark() {
    State& state = Current();
    if (!state.dark) {
        state.dark = SystemWantsDarkApps();
        MakeBrushes(state);
    }
    return *state.dark;
}

bool FollowSystem() {
    const bool before = Dark();
    State& state = Current();
    state.dark = SystemWantsDarkApps();
    if (*state.dark == before) return false;
    MakeBrushes(state);
    return true;
}

COLORREF Face() {
    return Dark() ? kDarkColours.face : GetSysColor(COLOR_BTNFACE);
}
COLORREF Text() {
    return Dark() ? kDarkColours.text : GetSysColor(COLOR_WINDOWTEXT);
}
COLORREF Field() {
    return Dark() ? kDarkColours.field : GetSysColor(COLOR_WINDOW);
}

// A brush that could not be made leaves the system's light one: the text
// stays readable on it.
HBRUSH FaceBrush() {
    const HBRUSH dark = Dark() ? Current().brushes.face.get() : nullptr;
    return dark ? dark : GetSysColorBrush(COLOR_BTNFACE);
}
HBRUSH FieldBrush() {
    const HBRUSH dark = Dark() ? Current().brushes.field.get() : nullptr;
    return dark ? dark : GetSysColorBrush(COLOR_WINDOW);
}

void PaintDarkButton(HDC dc, const RECT& rect, bool pressed, bool onField) {
    const DarkBrushes& brushes = Current().brushes;
    const HBRUSH pressedBrush = brushes.pressed ? brushes.pressed.get() : GetSysColorBrush(COLOR_BTNSHADOW);
    FillRect(dc, &rect, pressed ? pressedBrush : onField ? FieldBrush() : FaceBrush());
    // Without its brush the button has no outline; its face still shows where it is.
    if (brushes.edge) FrameRect(dc, &rect, brushes.edge.get());
}

COLORREF Shown(COLORREF chosen) {
    return Dark() ? DarkCounterpart(chosen) : chosen;
}

void ApplyToTitleBar(HWND window) {
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    const auto set = DwmLibrary().Find<SetAttribute>("DwmSetWindowAttribute");
    if (!set) return; // before Windows Vista: no title bar to darken
    const BOOL dark = Dark() ? TRUE : FALSE;
    // Systems that do not know either attribute refuse it; they draw the title bar as they do.
    if (FAILED(set(window, kImmersiveDarkMode, &dark, sizeof dark)))
        (void)set(window, kImmersiveDarkModeBefore20H1, &dark, sizeof dark);
}

void ApplyToControl(HWND control, ControlLook look) {
    using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    const auto setTheme = ThemeLibrary().Find<SetWindowThemeFunction>("SetWindowTheme");
    if (!setTheme || !control) return; // no visual styles: the control already draws in our colours
    // A control whose style cannot be changed keeps the system's look; our colours still reach
    // what it draws through WM_CTLCOLOR*.
    if (!Dark())
        (void)setTheme(control, nullptr, nullptr);
    else if (look == ControlLook::Classic)
        (void)setTheme(control, L"", L"");
    else
        (void)setTheme(control, L"DarkMode_Explorer", nullptr);
}

bool IsThemeChange(LPARAM lParam) {
    return lParam && lstrcmpW(reinterpret_cast<const wchar_t*>(lParam), L"ImmersiveColorSet") == 0;
}

} // namespace ui::theme
