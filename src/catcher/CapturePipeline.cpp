#include "capture/CapturePipeline.h"

#include "capture/MemoryPanel.h"
#include "capture/PictureNames.h"
#include "capture/PictureSaver.h"
#include "i18n/CatalogueEntries.h"
#include "ui/Dialogs.h"
#include "ui/SystemClipboard.h"

#include <exception>

namespace capture {
CapturePipeline::CapturePipeline(ui::Form& form, CaptureHost& host, MemoryPanel& memory, PictureSaver& saver,
                                 SIZE previewPixels)
    : Picture1(form), Image2(form), engine(*this, previewPixels.cx, previewPixels.cy), host_(host),
      memory_(memory), saver_(saver) {
    Picture1.SetVisible(false);
    Picture1.Move(0, 0, 300, 300);
    Image2.SetVisible(false);
}

void CapturePipeline::PictureCaught(const CaughtPicture& caught) { Get_Clipboard_Content(caught); }

void CapturePipeline::PictureMissed(const ClipboardChange& change) {
    OutputDebugStringA(("A clipboard change was not captured: " + change.detail + "\n").c_str());
    if (const ClipboardChange::Size size = change.announcedSize; size.width > 0) {
        host_.AppendLog(host_.Catalogue(i18n::entry::kPictureTooLarge) + ": " + std::to_string(size.width) + " x " +
                        std::to_string(size.height));
        return;
    }
    host_.LogEntry(change.content == ChangeContent::Refused ? i18n::entry::kPictureRefused
                                                            : i18n::entry::kChangeSkipped);
}

// A picture caught while a box or the prompt is open waits until it closes.
bool CapturePipeline::ReadyForPicture() { return !ui::ModalDialogOpen(); }

void CapturePipeline::ChainSilent() {
    host_.RejoinChain();
    host_.LogEntry(i18n::entry::kChainRepaired);
}

void CapturePipeline::ChangesUnread(int count) {
    host_.AppendLog(host_.Catalogue(i18n::entry::kChangesUnread) + ": " + std::to_string(count));
}

void CapturePipeline::KeepWhileBusy(const CaughtPicture& caught) { saver_.Keep(caught); }

void CapturePipeline::SaveFinished(const SaveResult& result) { saver_.SaveFinished(result); }

void CapturePipeline::Get_Clipboard_Content(const CaughtPicture& caught) {
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
        host_.AppendLog(CaughtLogText(host_.Catalogue(i18n::entry::kPictureCaught), picture.Width(), picture.Height()));
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

void CapturePipeline::TakeIntoMemory(const CaughtPicture& caught) {
    Picture1.SetPicture(caught.picture);
    Image2.SetPicture(caught.picture);
    preview_ = caught.preview;
    copied_ = caught.copied;
    memory_.Image3.SetPicture(preview_);
}

void CapturePipeline::Clear() {
    Picture1.SetPicture({});
    Image2.SetPicture({});
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
    const std::string size = SizeText(width, height);
    memory_.lbl_Resolution.SetCaption(size);
    host_.ShowSizeInNotification(size);
}

void CapturePipeline::DoNotification() {
    if (memory_.lbl_Resolution.Caption() == host_.Catalogue(i18n::entry::kNoPicture)) return;
    const ui::Picture& picture = Picture1.GetPicture();
    if (!picture.IsBitmap()) return; // nothing in memory to decide about
    const std::optional<std::int16_t> width = PixelCount16(picture.Width());
    const std::optional<std::int16_t> height = PixelCount16(picture.Height());
    // A side over 32767 pixels has no 16-bit size: the capture ends here.
    if (!width || !height) return;
    const CaptureOptions options = host_.Options();
    if (!options.minimum || !ReachesMinimum(*width, *height, *options.minimum)) return;
    if (options.automatic) {
        saver_.Save_Picture(1); // slot #1 whether or not it is offered
        return;
    }
    host_.ShowNotification(memory_.lbl_Resolution.Caption(), preview_);
}

} // namespace capture
