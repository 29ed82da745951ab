// The capture pipeline: takes each picture the engine caught into memory,
// measures and reports it, and decides between nothing, automatic saving
// and the notification window.
#pragma once

#include "capture/CaptureEngine.h"
#include "capture/ResolutionFilter.h"
#include "ui/PictureControls.h"

#include <optional>

namespace app {
class MainForm;
}

namespace capture {

class CapturePipeline : public CaptureListener {
  public:
    explicit CapturePipeline(app::MainForm& main);

    // Takes a caught picture into memory, shows and logs its size, then
    // decides. Any failure ends the capture silently; what was done stays done.
    void Get_Clipboard_Content(const CaughtPicture& caught);
    // Drops a picture below the chosen minimum; otherwise saves it into slot
    // #1 (automatic capture) or raises the notification window.
    void DoNotification();
    // The small copy of the in-memory picture that the previews draw.
    const ui::Picture& Preview() const { return preview_; }
    // Step 2 of a capture: the picture into memory, its small copy into the previews.
    void TakeIntoMemory(const CaughtPicture& caught);
    // Empties the in-memory picture and both previews.
    void Clear();
    // Empties the clipboard. A change that came in and was not read yet is
    // read first, so that emptying never loses a picture. Throws
    // std::runtime_error when the clipboard stays locked.
    void EmptyClipboard();

    ui::PictureBox Picture1; // the in-memory picture, hidden
    ui::Image Image2;        // hidden measuring image, not stretched
    CaptureEngine engine;

  private:
    // CaptureListener
    void PictureCaught(const CaughtPicture& caught) override;
    void PictureMissed(const ClipboardChange& change) override;
    bool ReadyForPicture() override;
    void ChainSilent() override;
    void SaveFinished(const SaveResult& result) override;

    void ReportSize(int width, int height);
    // The minimum of the first selected resolution button; nothing when no
    // button is selected or the custom minimum is not a number.
    std::optional<MinimumResolution> ChosenMinimum();

    app::MainForm& main_;
    ui::Picture preview_;
};

} // namespace capture
