// The base of every control: a real child window whose state (position in
// twips, visibility, enabled state, tool tip) is kept by the object, so that
// a control can be read and set before its form has loaded.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Form;

class Control {
  public:
    explicit Control(Form& form);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Places the control inside another control (a frame) instead of the form.
    void SetContainer(Control& container);
    Control* Container() const { return container_; }

    // Position and size in twips, relative to the container.
    void Move(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void SetToolTipText(const std::string& text);
    const std::string& ToolTipText() const { return toolTip_; }
    void SetBold(bool bold);
    void SetFocus();
    // Brings the control in front of its siblings; until then the earlier
    // created lie in front of the later ones.
    void ZOrder();

    HWND hWnd() const { return hwnd_; }
    Form& OwnerForm() const { return form_; }

    // Toolkit internals: the form creates its controls at load and tells them
    // when their windows are gone.
    void Create();
    void WindowDestroyed();
    // The form was laid out at another DPI: the window takes its place and
    // font there.
    void FollowDpi();
    virtual void OnCommand(WORD /*code*/) {}
    virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The app theme changed, or the control was made while the theme is
    // dark: what the system draws of it follows the theme.
    virtual void FollowTheme() {}

  protected:
    virtual HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) = 0;
    // Pushes the kept state into a newly created window.
    virtual void AfterCreate() {}
    // After the form's DPI changed and the control took its new place and font.
    virtual void OnDpiChanged() {}
    HWND ParentWindow() const;
    static std::string WindowText(HWND hwnd);

  private:
    Form& form_;
    Control* container_ = nullptr;
    HWND hwnd_ = nullptr; // owned by its parent window
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool bold_ = false;
    std::string toolTip_;
};

} // namespace ui
