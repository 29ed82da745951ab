// The capture pipeline: takes the bitmap the viewer shows into memory,
// measures and reports it, and decides between nothing, automatic saving
// and the notification window.
#pragma once

#include "capture/ResolutionFilter.h"
#include "ui/PictureControls.h"

#include <optional>

namespace app {
class MainForm;
}

namespace capture {

class CapturePipeline {
  public:
    explicit CapturePipeline(app::MainForm& main);

    // Called by the viewer once its Picture1 holds the clipboard bitmap. Any
    // failure ends the capture silently; what was done before stays done.
    void Get_Clipboard_Content();
    // Drops a picture below the chosen minimum; otherwise saves it into slot
    // #1 (automatic capture) or raises the notification window.
    void DoNotification();

    ui::PictureBox Picture1; // the in-memory picture, hidden
    ui::Image Image2;        // hidden measuring image, not stretched

  private:
    void TakeIntoMemory(const ui::Picture& picture);
    void ReportSize(int width, int height);
    // The minimum of the first selected resolution button; nothing when no
    // button is selected or the custom minimum is not a number.
    std::optional<MinimumResolution> ChosenMinimum();

    app::MainForm& main_;
};

} // namespace capture
