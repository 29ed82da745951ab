// The standard controls of the forms: label, text box, check box, option
// button, command button, list box and frame. Each is a real child window;
// its state lives in the object and is pushed into the window when it exists.
#pragma once

#include "ui/Control.h"
#include "ui/WinHandles.h"
#include "ui/Window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

enum class Alignment { Left, Center, Right };

class Label : public Control {
  public:
    explicit Label(Form& form, std::string caption = {});
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    void SetAlignment(Alignment alignment) { alignment_ = alignment; }
    // Draw over the form's background picture instead of a plain face.
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    std::function<void()> OnClick;

    void OnCommand(WORD code) override;
    HBRUSH OnColor(HDC dc) override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;

  private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = false;
};

class TextBox : public Control {
  public:
    explicit TextBox(Form& form, bool multiLine = false);
    // Setting a different text raises OnChange before it returns.
    void SetText(const std::string& text);
    std::string Text() const;
    void SetBackColor(COLORREF color);
    COLORREF BackColor() const { return backColor_; }
    void SetLocked(bool locked);
    std::function<void()> OnChange;
    std::function<void()> OnLostFocus;

    void OnCommand(WORD code) override;
    HBRUSH OnColor(HDC dc) override;
    void FollowTheme() override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;

  private:
    bool multiLine_;
    bool locked_ = false;
    bool settingText_ = false;
    mutable std::string text_;
    COLORREF backColor_ = RGB(255, 255, 255);
    UniqueBrush backBrush_;
    COLORREF brushColor_ = 0; // the colour backBrush_ was made in
};

// A three-state check box: 0 clear, 1 ticked, 2 greyed (only code sets 2).
class CheckBox : public Control {
  public:
    explicit CheckBox(Form& form, std::string caption = {});
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    // Values other than 0, 1 and 2 are refused (std::invalid_argument).
    void SetValue(int value);
    int Value() const { return value_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    std::function<void()> OnClick;
    // Raised whenever the value changes, by a click or from code.
    std::function<void()> OnChange;

    void OnCommand(WORD code) override;
    HBRUSH OnColor(HDC dc) override;
    void FollowTheme() override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;

  private:
    std::string caption_;
    int value_ = 0;
    bool transparent_ = false;
};

// One of a group of option buttons (the option buttons of one container).
// Selecting one, by a click or from code, clears the others and raises
// OnClick.
class OptionButton : public Control {
  public:
    explicit OptionButton(Form& form, std::string caption = {});
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    void SetValue(bool selected);
    bool Value() const { return value_; }
    std::function<void()> OnClick;
    // Raised whenever the value changes: selected or cleared, by a click or from code.
    std::function<void()> OnChange;
    std::function<void()> OnLostFocus;

    void OnCommand(WORD code) override;
    void FollowTheme() override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;
    void AfterCreate() override;

  private:
    void SetSelectedQuietly(bool selected);
    std::string caption_;
    bool value_ = false;
};

// In the dark theme the button draws itself: the system's push button
// keeps a light face whatever its parent says.
class CommandButton : public Control {
  public:
    explicit CommandButton(Form& form, std::string caption = {});
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    std::function<void()> OnClick;

    void OnCommand(WORD code) override;
    void FollowTheme() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;

  private:
    std::string caption_;
};

class ListBox : public Control {
  public:
    explicit ListBox(Form& form);
    void AddItem(const std::string& item);
    // Adds many items at once, without redrawing in between.
    void AddItems(const std::vector<std::string>& items);
    // Removes one entry; the current entry stays the same entry where it can.
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item's text; empty for an index out of range.
    std::string List(int index) const;
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    int TopIndex() const;
    // The height of one row, in pixels.
    int ItemHeight() const;
    // The mouse moved over the list; coordinates in twips.
    std::function<void(int xTwips, int yTwips)> OnMouseMove;
    std::function<void()> OnDblClick;

    void OnCommand(WORD code) override;
    void FollowTheme() override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;
    void AfterCreate() override;

  private:
    static LRESULT CALLBACK MouseProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// A container: the controls placed in it show and hide with it.
class Frame : public Control, private Window {
  public:
    explicit Frame(Form& form);

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
};

} // namespace ui
