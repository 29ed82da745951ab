// The notification window: slides up at the bottom right of the screen when
// a picture was caught, offers one save button per target slot, stays on
// top and closes by itself after seven seconds.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"
#include "ui/Timer.h"

#include <array>

namespace notify {

class NotificationForm : public ui::Form {
public:
    NotificationForm();

    ui::Image Image1; // thumbnail, stretched
    ui::Label lbl_Resolution;
    ui::CommandButton Command1, Command2, Command3, Command4, Command5;
    ui::CheckBox Check1; // set file names by hand
    ui::Image Image2;    // close image
    ui::Image Image3;    // decoration
    ui::TextBox txt_Timer1;
    ui::TextBox txt_Timer2; // close counter
    ui::Timer Timer1;       // slide-in
    ui::Timer Timer2;       // close counter, once a second
    ui::Timer Timer3;       // keep on top

    ui::CommandButton& SaveButton(int slot) { return *saveButtons_.at(static_cast<size_t>(slot - 1)); }

    // The main window's ShowNotification: raises the window for the in-memory picture.
    void ShowNotification();
    // A capture starts: keep-on-top on, close timer off, both counters "0", parked.
    void PrepareForCapture();
    // Below the visible screen.
    void Park();

protected:
    void Form_Load() override;

private:
    std::array<ui::CommandButton*, 5> saveButtons_;
};

// Keeps a window in the topmost group (flag true) or takes it out of it.
void Set_OnTop(HWND hwnd, bool onTop);

} // namespace notify
