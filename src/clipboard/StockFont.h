// CStockFont: gives a control one of the system's stock fonts. One
// short-lived object per rendering.
#pragma once

#include <windows.h>

#include <cstdint>

namespace ui {
class Control;
}

namespace clipboard {

class CStockFont {
  public:
    static constexpr std::int32_t kClientError = static_cast<std::int32_t>(0x80040001);

    // Attaches the control whose font is set. A control without a window
    // handle raises ui::ProgramError kClientError, and the client stays as it was.
    void SetClient(ui::Control& control);
    ui::Control* Client() const { return client_; }

    // Chooses a stock font 0..5 and applies it (no redraw); other values
    // apply the current font again.
    void SetStockFont(int choice);
    int StockFont() const;

  private:
    ui::Control* client_ = nullptr;
    HWND ClientHwnd = nullptr;
    int StockObjectId = SYSTEM_FIXED_FONT;
};

} // namespace clipboard
