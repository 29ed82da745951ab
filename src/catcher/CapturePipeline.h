// The capture pipeline: takes each picture the engine caught into memory,
// measures and reports it, and decides between nothing, automatic saving
// and the notification window.
#pragma once

#include "capture/CaptureEngine.h"
#include "catcher/CaptureHost.h"
#include "catcher/CaptureSettings.h"
#include "ui/Picture.h"

namespace catcher {

class MemoryPanel;
class PictureSaver;

class CapturePipeline : public capture::CaptureListener {
  public:
    // `previewPixels` is the largest size a preview is drawn at.
    CapturePipeline(CaptureHost& host, const CaptureSettings& settings, MemoryPanel& memory,
                    PictureSaver& saver, SIZE previewPixels);

    // Takes a caught picture into memory, shows and logs its size, then
    // decides. Any failure ends the capture silently; what was done stays done.
    void Get_Clipboard_Content(const capture::CaughtPicture& caught);
    // Drops a picture below the chosen minimum; otherwise saves it into slot
    // #1 (automatic capture) or raises the notification window; drops one
    // nearly the same as a picture saved lately, when asked to. Nothing is
    // decided while the size labels say the clipboard holds no picture.
    void DoNotification();
    // The viewer found no picture on the clipboard: the size labels say so.
    void ShowNoPicture(const std::string& noPictureText);
    // The picture in memory: empty when there is none.
    const ui::Picture& InMemory() const { return picture_; }
    // How it looks (capture::LikenessOf), when that can be told.
    std::optional<std::uint64_t> Likeness() const { return likeness_; }
    // The small copy of the in-memory picture that the previews draw.
    const ui::Picture& Preview() const { return preview_; }
    // What the picture in memory was on the clipboard.
    const capture::CopiedForm& Copied() const { return copied_; }
    // Step 2 of a capture: the picture into memory, its small copy into the previews.
    void TakeIntoMemory(const capture::CaughtPicture& caught);
    // Empties the in-memory picture and both previews.
    void Clear();
    // Empties the clipboard. A change that came in and was not read yet is
    // read first, so that emptying never loses a picture. Throws
    // std::runtime_error when the clipboard stays locked.
    void EmptyClipboard();

    capture::CaptureEngine engine;

  private:
    // CaptureListener
    void PictureCaught(const capture::CaughtPicture& caught) override;
    void PictureMissed(const capture::ClipboardChange& change) override;
    bool ReadyForPicture() override;
    void ChainSilent() override;
    void ChangesUnread(int count) override;
    void KeepWhileBusy(const capture::CaughtPicture& caught) override;
    void SaveFinished(const capture::SaveResult& result) override;

    void ReportSize(int width, int height);

    CaptureHost& host_;
    const CaptureSettings& settings_;
    MemoryPanel& memory_;
    PictureSaver& saver_;
    ui::Picture picture_;
    std::optional<std::uint64_t> likeness_;
    ui::Picture preview_;
    capture::CopiedForm copied_;
    bool noPictureShown_ = false; // the size labels say the clipboard holds no picture
};

} // namespace catcher
