#include "clipboard/StockFont.h"

#include "clipboard/StockFontTable.h"
#include "ui/Control.h"
#include "ui/ProgramError.h"

namespace clipboard {

void CStockFont::SetClient(ui::Control& control) {
    ClientHwnd = control.hWnd();
    if (!ClientHwnd)
        throw ui::ProgramError(kClientError, "CStockFont", "Client object must support the hWnd property.");
    client_ = &control;
}

void CStockFont::SetStockFont(int choice) {
    StockObjectId = StockObjectIdFor(choice, StockObjectId);
    HGDIOBJ font = GetStockObject(StockObjectId);
    // With no client attached the message goes nowhere.
    if (ClientHwnd) SendMessageA(ClientHwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

int CStockFont::StockFont() const {
    return StockFontChoiceOf(StockObjectId);
}

} // namespace clipboard
