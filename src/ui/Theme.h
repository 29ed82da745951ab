// The app theme the user chose in the system's settings (light or dark
// apps), which every window of the program follows. The light theme is the
// system's own colours; the dark one is drawn by the program: the face,
// labels, fields and buttons of its windows, and the title bars where the
// system draws them dark on request (Windows 10 20H1 and later). Menus,
// message boxes and tool tips stay the system's. Only the windows' thread
// uses it.
#pragma once

#include <windows.h>

namespace ui::theme {

// The theme the windows are drawn in: the system's setting when first
// asked, and as it was when FollowSystem last read it.
bool Dark();
// Reads the setting again; true when the theme changed.
bool FollowSystem();

COLORREF Face();
COLORREF Text();
COLORREF Field();
HBRUSH FaceBrush();  // owned by the theme
HBRUSH FieldBrush(); // owned by the theme
// A colour a window chose for the light theme, as it shows in this one.
COLORREF Shown(COLORREF chosen);
// The face of a button that draws itself in the dark theme: the field
// colour (or, for a button on the bare face, the face colour), darker while
// pressed, with an outline where the system would draw a white edge.
void PaintDarkButton(HDC dc, const RECT& rect, bool pressed, bool onField);

// The title bar of a top-level window, dark or light with the theme.
void ApplyToTitleBar(HWND window);

// How the system draws a control while the theme is dark.
enum class ControlLook {
    Classic,  // without visual styles: check boxes and option buttons then draw their text in our colours
    DarkStyle // the system's dark visual style: scroll bars of text and list boxes
};
// Sets the control's look for the theme as it is; in the light theme the
// control draws as the system does.
void ApplyToControl(HWND control, ControlLook look);

// Whether the lParam of a WM_SETTINGCHANGE tells of a change of the app theme.
bool IsThemeChange(LPARAM lParam);

} // namespace ui::theme
