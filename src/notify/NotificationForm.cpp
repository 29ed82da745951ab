#include "notify/NotificationForm.h"

namespace notify {

NotificationForm::NotificationForm()
    : ui::Form("Vellicor Rizezuza", 3165, 2625, ui::FormStyle::ToolPopup), Image1(*this), lbl_Resolution(*this, "-"),
      Command1(*this, "#1"), Command2(*this, "#2"), Command3(*this, "#3"), Command4(*this, "#4"),
      Command5(*this, "#5"), Check1(*this), Image2(*this), Image3(*this), txt_Timer1(*this), txt_Timer2(*this),
      Timer1(*this, 50, false), Timer2(*this, 1000, false), Timer3(*this, 1, true),
      saveButtons_{&Command1, &Command2, &Command3, &Command4, &Command5} {
    Image1.SetStretch(true);
    Image1.Move(620, 360, 1935, 1575);
    lbl_Resolution.SetAlignment(ui::Alignment::Center);
    lbl_Resolution.SetBold(true);
    lbl_Resolution.Move(120, 1980, 3015, 255);
    for (int slot = 1; slot <= 5; ++slot) SaveButton(slot).Move(120 + (slot - 1) * 600, 2280, 495, 255);
    Check1.Move(320, 360, 255, 255);
    Image3.Move(40, 360, 240, 240);
    txt_Timer1.SetText("0");
    txt_Timer2.SetText("0");
    txt_Timer1.Move(0, 2700, 300, 255);
    txt_Timer2.Move(400, 2700, 300, 255);
}

void NotificationForm::Form_Load() {}
void NotificationForm::ShowNotification() {}
void NotificationForm::PrepareForCapture() {}
void NotificationForm::Park() {}

void Set_OnTop(HWND hwnd, bool onTop) {
    SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace notify
