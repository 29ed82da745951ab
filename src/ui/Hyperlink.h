// A hyperlink label: blue underlined text that opens its address with the
// shell when clicked.
#pragma once

#include "ui/Controls.h"
#include "ui/WinHandles.h"

namespace ui {

class Hyperlink : public Label {
  public:
    Hyperlink(Form& form, std::string caption, std::string address);
    // Opens the address; false when the shell could not open it.
    bool Open() const;

    HBRUSH OnColor(HDC dc) override;

  protected:
    void AfterCreate() override;
    void OnDpiChanged() override { Underline(); }

  private:
    void Underline();
    static LRESULT CALLBACK CursorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    std::string address_;
    UniqueFont underlined_;
};

} // namespace ui
