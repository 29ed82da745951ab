// The notification window: slides up at the bottom right of the work area when
// a picture was caught, offers one save button per target slot, stays on
// top and closes by itself after seven seconds.
//
// It is shown once and then only moved: parked just below the screen, or
// sliding up (Timer1 runs), or showing. The close counter txt_Timer2 counts
// the seconds since the window was raised; whoever makes it 7 closes the
// window at once.
#pragma once

#include "notify/NotificationHost.h"
#include "notify/NotificationRules.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"
#include "ui/Timer.h"
#include "ui/WinHandles.h"

#include <array>

namespace notify {

class NotificationForm : public ui::Form {
  public:
    explicit NotificationForm(NotificationHost& host);

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
    ui::Timer Timer3;       // keep on top: every 1 ms while it can be seen, slowly while parked

    ui::CommandButton& SaveButton(int slot) { return *saveButtons_.at(static_cast<size_t>(slot - 1)); }

    // Raises the window for the caught picture: its size text and its preview.
    void ShowNotification(const std::string& sizeText, const ui::Picture& preview);
    // A capture starts: keep-on-top on, close timer off, both counters "0", parked.
    void PrepareForCapture();
    // Below the visible screen, keeping the left edge. A window not yet shown
    // is placed first (as at program start).
    void Park();
    // Program start: at the work area's right edge and parked, shown without
    // taking the focus.
    void PlaceAtStart();

    // The event handlers, also for tests that tick the timers themselves.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Image2_Click();
    void Check1_Click();
    void txt_Timer1_Change();
    void txt_Timer2_Change();

  protected:
    void Form_Load() override;
    void Form_DpiChanged() override { MakeBackdrop(); }
    void Form_ThemeChanged() override { MakePictures(); }
    // The close box parks the window as the close image does: the window
    // lives for the whole run.
    void Form_CloseBox() override { Image2_Click(); }
    bool OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void LayOut();
    void WireEvents();
    void SetUpSaveButtons();
    void CloseSequence();
    void FollowWorkArea();
    // True when another window covers this one or it left the topmost group.
    bool NeedsRaising() const;
    bool OnScreen() const;
    // Keep-on-top ticks at full pace while the window can be seen, slowly while parked.
    void PaceKeepOnTop();
    void MakePictures();
    void MakeBackdrop();
    Area WorkArea() const;
    int ScreenBottom() const;
    HBRUSH BackdropFor(HWND control, HDC dc) const;

    NotificationHost& host_;
    std::array<ui::CommandButton*, 5> saveButtons_;
    // The background picture at the client area's real size, as a brush:
    // the form's face, and the face behind the size text and the check box.
    ui::UniqueBrush backdropBrush_;
};

// Keeps a window in the topmost group (flag true) or takes it out of it,
// without moving, sizing or activating it.
void Set_OnTop(HWND hwnd, bool onTop);

} // namespace notify
