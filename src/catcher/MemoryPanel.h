// The memory panel: the in-memory picture's preview and size, and buttons
// that save it into any offered target slot or clear it.
#pragma once

#include "catcher/CaptureHost.h"
#include "catcher/CaptureSettings.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"

#include <array>

namespace catcher {

class CapturePipeline;
class PictureSaver;

class MemoryPanel {
  public:
    // The size of the preview Image3, in twips.
    static constexpr int kPreviewWidth = 3255;
    static constexpr int kPreviewHeight = 2535;

    // The controls live on `form`, inside `frame`.
    MemoryPanel(ui::Form& form, ui::Frame& frame, CaptureHost& host, const CaptureSettings& settings,
                CapturePipeline& capture, PictureSaver& saver);

    // Enables the save buttons of the offered slots; tool tips = folders.
    void InMemory_SaveButtons();
    void Command15_Click(); // clear

    // The save button of slot 1..5 (Command4, Command11 .. Command14).
    ui::CommandButton& SaveButton(int slot) { return *saveButtons_.at(static_cast<size_t>(slot - 1)); }

    ui::Label lbl_InMemory;
    ui::Image Image3; // the preview, stretched
    ui::Label lbl_LatestSaved;
    ui::Label lbl_Resolution;
    ui::Label lbl_Save;
    ui::CommandButton Command4, Command11, Command12, Command13, Command14;
    ui::CommandButton Command15; // clear
    ui::CommandButton Command17; // shows the viewer; never visible

  private:
    void LayOut(ui::Frame& frame);
    CaptureHost& host_;
    const CaptureSettings& settings_;
    CapturePipeline& capture_;
    PictureSaver& saver_;
    std::array<ui::CommandButton*, 5> saveButtons_;
};

} // namespace catcher
