#include "catcher/CapturePipeline.h"

#include "capture/PictureNames.h"
#include "catcher/MemoryPanel.h"
#include "catcher/PictureSaver.h"
#include "i18n/CatalogueEntries.h"
#include "ui/Dialogs.h"
#include "ui/SystemClipboard.h"

#include <exception>

namespace catcher {
CapturePipeline::CapturePipeline(CaptureHost& host, const CaptureSettings& settings, MemoryPanel& memory,
                                 PictureSaver& saver, SIZE previewPixels)
    : engine(*this, previewPixels.cx, previewPixels.cy), host_(host), settings_(settings), memory_(memory),
      saver_(saver) {}

void CapturePipeline::PictureCaught(const capture::CaughtPicture& caught) {
    Get_Clipboard_Content(caught);
}

void CapturePipeline::PictureMissed(const capture::ClipboardChange& change) {
    OutputDebugStringA(("A clipboard change was not captured: " + change.detail + "\n").c_str());
    if (const capture::ClipboardChange::Size size = change.announcedSize; size.width > 0) {
        host_.AppendLog(host_.Catalogue(i18n::entry::kPictureTooLarge) + ": " + std::to_string(size.width) +
                        " x " + std::to_string(size.height));
        return;
    }
    host_.LogEntry(change.content == capture::ChangeContent::Refused ? i18n::entry::kPictureRefused
                                                                     : i18n::entry::kChangeSkipped);
}

// A picture caught while a box or the prompt is open waits until it closes.
bool CapturePipeline::ReadyForPicture() {
    return !ui::ModalDialogOpen();
}

void CapturePipeline::ChainSilent() {
    host_.RejoinChain();
    host_.LogEntry(i18n::entry::kChainRepaired);
}

void CapturePipeline::ChangesUnread(int count) {
    host_.AppendLog(host_.Catalogue(i18n::entry::kChangesUnread) + ": " + std::to_string(count));
}

void CapturePipeline::KeepWhileBusy(const capture::CaughtPicture& caught) {
    saver_.Keep(caught);
}

void CapturePipeline::SaveFinished(const capture::SaveResult& result) {
    saver_.SaveFinished(result);
}

void CapturePipeline::Get_Clipboard_Content(const capture::CaughtPicture& caught) {
    try {
        const ui::Picture& picture = caught.picture;
        if (!picture.IsBitmap()) return;
        if (caught.repeated) {
            // The window showing it, and the file saved of it, stay as they are.
            ReportSize(picture.Width(), picture.Height());
            host_.LogEntry(i18n::entry::kSamePicture);
            return;
        }
        host_.PrepareNotification();
        TakeIntoMemory(caught);
        ReportSize(picture.Width(), picture.Height());
        host_.AppendLog(capture::CaughtLogText(host_.Catalogue(i18n::entry::kPictureCaught), picture.Width(),
                                               picture.Height()));
        ui::Image& preview = memory_.Image3;
        preview.SetStretch(true);
        preview.Move(preview.Left(), preview.Top(), MemoryPanel::kPreviewWidth, MemoryPanel::kPreviewHeight);
        preview.SetVisible(true);
        DoNotification();
    } catch (const std::exception& e) {
        // A capture that fails ends without a message, a status or a log line.
        OutputDebugStringA(("The capture ended: " + std::string(e.what()) + "\n").c_str());
    }
}

void CapturePipeline::TakeIntoMemory(const capture::CaughtPicture& caught) {
    picture_ = caught.picture;
    likeness_ = caught.likeness;
    preview_ = caught.preview;
    copied_ = caught.copied;
    memory_.Image3.SetPicture(preview_);
}

void CapturePipeline::Clear() {
    picture_ = {};
    likeness_.reset();
    preview_ = {};
    copied_ = {};
    memory_.Image3.SetPicture({});
    engine.ForgetLastPicture();
}

void CapturePipeline::EmptyClipboard() {
    engine.ReadNow();
    ui::EmptySystemClipboard();
}

void CapturePipeline::ReportSize(int width, int height) {
    const std::string size = capture::SizeText(width, height);
    memory_.lbl_Resolution.SetCaption(size);
    host_.ShowSizeInNotification(size);
    noPictureShown_ = false;
}

void CapturePipeline::ShowNoPicture(const std::string& noPictureText) {
    memory_.lbl_Resolution.SetCaption(noPictureText);
    noPictureShown_ = true;
}

void CapturePipeline::DoNotification() {
    if (noPictureShown_) return;
    if (!picture_.IsBitmap()) return; // nothing in memory to decide about
    const std::optional<std::int16_t> width = capture::PixelCount16(picture_.Width());
    const std::optional<std::int16_t> height = capture::PixelCount16(picture_.Height());
    // A side over 32767 pixels has no 16-bit size: the capture ends here.
    if (!width || !height) return;
    const CaptureOptions& options = settings_.options;
    if (!options.minimum || !capture::ReachesMinimum(*width, *height, *options.minimum)) return;
    if (options.skipNearlySame && likeness_) {
        if (const std::optional<std::string> earlier = saver_.Recent().Resembled(*likeness_)) {
            host_.AppendLog(host_.Catalogue(i18n::entry::kNearlySameSkipped) + ": " + *earlier);
            return;
        }
    }
    if (options.automatic) {
        saver_.Save_Picture(1); // slot #1 whether or not it is offered
        return;
    }
    host_.ShowNotification(capture::SizeText(picture_.Width(), picture_.Height()), preview_);
}

} // namespace catcher
