// A form: a top-level window with its controls and timers. Load runs once,
// on first use (creating the window and its controls, then Form_Load);
// Unload destroys the window, and the next use loads afresh. Geometry is in
// twips, made pixels at the DPI of the screen the window is on; when the
// window moves to a screen of another DPI, the window, its controls and its
// fonts are laid out again at the new one.
#pragma once

#include "ui/Picture.h"
#include "ui/WinHandles.h"
#include "ui/Window.h"

#include <string>
#include <vector>

namespace ui {

class Control;
class Timer;

enum class FormStyle {
    Fixed,    // caption, close box, minimize box
    Sizable,  // a resizable window with all boxes
    ToolPopup // a small window with a thin caption and no task-bar entry
};

enum class WindowState { Normal, Minimized, Maximized };

// Where a form opens each time it is loaded: where it was put (the top-left
// corner of the screen unless moved), or centred on the work area of the
// screen that holds the mouse pointer.
enum class StartUpPosition { Manual, CenterScreen };

class Form : public Window {
  public:
    Form(std::string caption, int clientWidthTwips, int clientHeightTwips, FormStyle style);
    ~Form() override;

    void Load();
    void Unload();
    bool IsLoaded() const { return static_cast<bool>(hwnd_); }
    void Show();
    void Hide();
    bool Visible() const;

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }

    // The outer window in screen twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top);
    void SetTop(int top) { Move(Left(), top); }
    // The inner (client) area in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    void SetStartUpPosition(StartUpPosition position) { startUpPosition_ = position; }
    void SetWindowState(WindowState state);
    WindowState GetWindowState() const { return state_; }

    void SetBackgroundPicture(Picture picture);
    const Picture& BackgroundPicture() const { return background_; }

    HWND hWnd() const { return hwnd_.get(); }
    HFONT Font(bool bold) const;
    // The DPI the form is laid out at, and conversions at it.
    int Dpi() const { return dpi_; }
    int ToPixels(int twips) const;
    int ToTwips(int pixels) const;
    void SetToolTip(HWND tool, const std::string& text);

    // Toolkit internals.
    const std::vector<Control*>& Controls() const { return controls_; }
    void Register(Control& control);
    void Unregister(Control& control);
    void Register(Timer& timer);
    void Unregister(Timer& timer);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    // The form became the active window.
    virtual void Form_Activate() {}
    // The close box; unloads the form unless a form decides otherwise.
    virtual void Form_CloseBox() { Unload(); }
    // The form was laid out again at another DPI (pictures it draws itself
    // may need to be made again).
    virtual void Form_DpiChanged() {}
    // The app theme changed between light and dark (pictures it draws
    // itself may need to be made again).
    virtual void Form_ThemeChanged() {}
    // Messages a form handles beyond the toolkit's; true when handled.
    virtual bool OnFormMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void WindowGone() override;

  private:
    Control* ControlOf(HWND hwnd) const;
    void CreateFonts();
    // Lays the window, its controls and fonts out at another DPI; the
    // window's top-left corner goes to `topLeft` when given.
    void FollowDpi(int dpi, const POINT* topLeft);
    RECT OuterPixels() const;
    // The title bar and the controls take the theme as it is now, once it
    // differs from the one they show.
    void FollowTheme();
    LRESULT ControlColours(UINT msg, HDC dc, HWND control);
    POINT StartPixels(const RECT& outer);

    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    FormStyle style_;
    int left_ = 0;
    int top_ = 0;
    WindowState state_ = WindowState::Normal;
    StartUpPosition startUpPosition_ = StartUpPosition::Manual;
    Picture background_;
    UniqueWindow hwnd_;
    UniqueWindow toolTip_;
    UniqueFont font_;
    UniqueFont boldFont_;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    bool unloading_ = false;
    int dpi_ = 96;
    bool shownDark_ = false; // the theme the window and its controls show
};

} // namespace ui
