#include "catcher/MemoryPanel.h"

#include "catcher/CapturePipeline.h"
#include "catcher/PictureSaver.h"

namespace catcher {

MemoryPanel::MemoryPanel(ui::Form& main, ui::Frame& frame, CaptureHost& host, const CaptureSettings& settings,
                         CapturePipeline& capture, PictureSaver& saver)
    : lbl_InMemory(main), Image3(main), lbl_LatestSaved(main), lbl_Resolution(main, "-"), lbl_Save(main),
      Command4(main, "#1"), Command11(main, "#2"), Command12(main, "#3"), Command13(main, "#4"),
      Command14(main, "#5"), Command15(main), Command17(main, "Viewer"), host_(host), settings_(settings),
      capture_(capture),
      saver_(saver), saveButtons_{&Command4, &Command11, &Command12, &Command13, &Command14} {
    LayOut(frame);
    for (int slot = 1; slot <= 5; ++slot)
        SaveButton(slot).OnClick = [this, slot] { saver_.Save_Picture(slot); };
    Command15.OnClick = [this] { Command15_Click(); };
    Command17.OnClick = [this] { host_.ShowViewer(); };
}

void MemoryPanel::LayOut(ui::Frame& frame) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &lbl_InMemory, &Image3, &lbl_LatestSaved, &lbl_Resolution, &lbl_Save, &Command4, &Command11,
             &Command12, &Command13, &Command14, &Command15, &Command17})
        control->SetContainer(frame);
    lbl_InMemory.SetBold(true);
    lbl_InMemory.Move(120, 60, 7200, 300);
    Image3.SetStretch(true);
    Image3.Move(120, 480, kPreviewWidth, kPreviewHeight);
    lbl_LatestSaved.Move(3600, 480, 3700, 255);
    lbl_Resolution.SetBold(true);
    lbl_Resolution.Move(3600, 780, 3700, 255);
    lbl_Save.Move(3600, 1320, 3700, 255);
    for (int slot = 1; slot <= 5; ++slot) SaveButton(slot).Move(3600 + (slot - 1) * 720, 1620, 630, 375);
    Command15.Move(3600, 2400, 1700, 420);
    Command17.Move(5400, 2400, 1200, 420);
    Command17.SetVisible(false);
}

void MemoryPanel::InMemory_SaveButtons() {
    for (int slot = 1; slot <= 5; ++slot) {
        SaveButton(slot).SetEnabled(settings_.Slot(slot).offered);
        SaveButton(slot).SetToolTipText(settings_.Slot(slot).folder);
    }
}

void MemoryPanel::Command15_Click() {
    capture_.EmptyClipboard();
    capture_.Clear();
    lbl_Resolution.SetCaption("-"); // the notification window's label keeps its text
    for (int slot = 1; slot <= 5; ++slot) SaveButton(slot).SetEnabled(false);
    // The viewer leaves the clipboard-viewer chain and joins it anew, hidden.
    host_.RestartViewer();
}

} // namespace catcher
