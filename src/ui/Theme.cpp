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

struct State {
    std::optional<bool> dark;
    UniqueBrush faceBrush;
    UniqueBrush fieldBrush;
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
    if (!state.dark.value_or(false)) {
        state.faceBrush.reset();
        state.fieldBrush.reset();
        return;
    }
    state.faceBrush.reset(CreateSolidBrush(kDarkColours.face));
    state.fieldBrush.reset(CreateSolidBrush(kDarkColours.field));
}

} // namespace

bool SystemWantsDarkApps() {
    DWORD light = 1, size = sizeof light;
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, kAppsUseLightTheme,
                                        RRF_RT_REG_DWORD, nullptr, &light, &size);
    return status == ERROR_SUCCESS && light == 0;
}

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
    const HBRUSH dark = Dark() ? Current().faceBrush.get() : nullptr;
    return dark ? dark : GetSysColorBrush(COLOR_BTNFACE);
}
HBRUSH FieldBrush() {
    const HBRUSH dark = Dark() ? Current().fieldBrush.get() : nullptr;
    return dark ? dark : GetSysColorBrush(COLOR_WINDOW);
}

COLORREF Shown(COLORREF chosen) {
    return Dark() ? DarkCounterpart(chosen) : chosen;
}

void ApplyToTitleBar(HWND window) {
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    const auto set = DwmLibrary().Find<SetAttribute>("DwmSetWindowAttribute");
    if (!set) return; // before Windows Vista: no title bar to darken
    const BOOL dark = Dark() ? TRUE : FALSE;
    // Systems that do not know the attribute refuse it; they draw the title bar as they do.
    if (FAILED(set(window, kImmersiveDarkMode, &dark, sizeof dark)))
        set(window, kImmersiveDarkModeBefore20H1, &dark, sizeof dark);
}

void ApplyToControl(HWND control, ControlLook look) {
    using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    const auto setTheme = ThemeLibrary().Find<SetWindowThemeFunction>("SetWindowTheme");
    if (!setTheme || !control) return; // no visual styles: the control already draws in our colours
    if (!Dark())
        setTheme(control, nullptr, nullptr);
    else if (look == ControlLook::Classic)
        setTheme(control, L"", L"");
    else
        setTheme(control, L"DarkMode_Explorer", nullptr);
}

bool IsThemeChange(UINT msg, LPARAM lParam) {
    return msg == WM_SETTINGCHANGE && lParam &&
           lstrcmpW(reinterpret_cast<const wchar_t*>(lParam), L"ImmersiveColorSet") == 0;
}

} // namespace ui::theme
