// The capture pipeline: takes each picture the engine caught into memory,
// measures and reports it, and decides between nothing, automatic saving
// and the notification window.
#pragma once

#include "capture/CaptureEngine.h"
#include "capture/CaptureHost.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"

namespace capture {

class MemoryPanel;
class PictureSaver;

class CapturePipeline : public CaptureListener {
  public:
    // The hidden picture controls live on `form`; `previewPixels` is the
    // largest size a preview is drawn at.
    CapturePipeline(ui::Form& form, CaptureHost& host, MemoryPanel& memory, PictureSaver& saver,
                    SIZE previewPixels);

    // Takes a caught picture into memory, shows and logs its size, then
    // decides. Any failure ends the capture silently; what was done stays done.
    void Get_Clipboard_Content(const CaughtPicture& caught);
    // Drops a picture below the chosen minimum; otherwise saves it into slot
    // #1 (automatic capture) or raises the notification window.
    void DoNotification();
    // The small copy of the in-memory picture that the previews draw.
    const ui::Picture& Preview() const { return preview_; }
    // What the picture in memory was on the clipboard.
    const CopiedForm& Copied() const { return copied_; }
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
    void ChangesUnread(int count) override;
    void KeepWhileBusy(const CaughtPicture& caught) override;
    void SaveFinished(const SaveResult& result) override;

    void ReportSize(int width, int height);

    CaptureHost& host_;
    MemoryPanel& memory_;
    PictureSaver& saver_;
    ui::Picture preview_;
    CopiedForm copied_;
};

} // namespace capture
