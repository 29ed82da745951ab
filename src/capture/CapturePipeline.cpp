#include "capture/CapturePipeline.h"

#include "app/App.h"
#include "app/LocaleNumber.h"
#include "app/MainForm.h"
#include "capture/PictureNames.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/AddedEntries.h"
#include "notify/NotificationLayout.h"
#include "notify/NotificationForm.h"

#include "ui/Dialogs.h"
#include "ui/SystemClipboard.h"
#include "ui/Twips.h"

#include <algorithm>
#include <exception>

namespace capture {
namespace {

constexpr int kPreviewWidth = 3255;
constexpr int kPreviewHeight = 2535;
constexpr int kCaughtLogEntry = 54;
constexpr int kNoPictureEntry = 96;

} // namespace

CapturePipeline::CapturePipeline(app::MainForm& main)
    : Picture1(main), Image2(main),
      engine(*this, std::max(ui::TwipsToPixelsX(kPreviewWidth), ui::TwipsToPixelsX(notify::layout::kThumbnail.width)),
             std::max(ui::TwipsToPixelsY(kPreviewHeight), ui::TwipsToPixelsY(notify::layout::kThumbnail.height))),
      main_(main) {
    Picture1.SetVisible(false);
    Picture1.Move(0, 0, 300, 300);
    Image2.SetVisible(false);
}

void CapturePipeline::PictureCaught(const CaughtPicture& caught) { Get_Clipboard_Content(caught); }

void CapturePipeline::PictureMissed(const ClipboardChange& change) {
    OutputDebugStringA(("A clipboard change was not captured: " + change.detail + "\n").c_str());
    main_.AppendLog(main_.Catalogue(change.content == ChangeContent::Refused ? i18n::kPictureRefusedEntry
                                                                             : i18n::kChangeSkippedEntry));
}

// A picture caught while a box or the prompt is open waits until it closes.
bool CapturePipeline::ReadyForPicture() { return !ui::ModalDialogOpen(); }

void CapturePipeline::ChainSilent() {
    app::App::Current().Viewer().RejoinChain();
    main_.AppendLog(main_.Catalogue(i18n::kChainRepairedEntry));
}

void CapturePipeline::SaveFinished(const SaveResult& result) { main_.saver.SaveFinished(result); }

void CapturePipeline::Get_Clipboard_Content(const CaughtPicture& caught) {
    try {
        const ui::Picture& picture = caught.picture;
        if (!picture.IsBitmap()) return;
        if (caught.repeated) {
            // The window showing it, and the file saved of it, stay as they are.
            ReportSize(picture.Width(), picture.Height());
            main_.AppendLog(main_.Catalogue(i18n::kSamePictureEntry));
            return;
        }
        app::App::Current().Notifications().PrepareForCapture();
        TakeIntoMemory(caught);
        ReportSize(picture.Width(), picture.Height());
        main_.AppendLog(CaughtLogText(main_.Catalogue(kCaughtLogEntry), picture.Width(), picture.Height()));
        ui::Image& preview = main_.memory.Image3;
        preview.SetStretch(true);
        preview.Move(preview.Left(), preview.Top(), kPreviewWidth, kPreviewHeight);
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
    main_.memory.Image3.SetPicture(preview_);
}

void CapturePipeline::Clear() {
    Picture1.SetPicture({});
    Image2.SetPicture({});
    preview_ = {};
    main_.memory.Image3.SetPicture({});
    engine.ForgetLastPicture();
}

void CapturePipeline::EmptyClipboard() {
    engine.CatchUp();
    ui::EmptySystemClipboard();
}

void CapturePipeline::ReportSize(int width, int height) {
    const std::string size = SizeText(width, height);
    main_.memory.lbl_Resolution.SetCaption(size);
    app::App::Current().Notifications().lbl_Resolution.SetCaption(size);
}

void CapturePipeline::DoNotification() {
    if (main_.memory.lbl_Resolution.Caption() == main_.Catalogue(kNoPictureEntry)) return;
    const ui::Picture& picture = Picture1.GetPicture();
    if (!picture.IsBitmap()) return; // nothing in memory to decide about
    const std::optional<std::int16_t> width = PixelCount16(picture.Width());
    const std::optional<std::int16_t> height = PixelCount16(picture.Height());
    // A side over 32767 pixels has no 16-bit size: the capture ends here.
    if (!width || !height) return;
    const std::optional<MinimumResolution> minimum = ChosenMinimum();
    if (!minimum || !ReachesMinimum(*width, *height, *minimum)) return;
    if (app::MainForm::IsSet(main_.options.Check3)) {
        main_.saver.Save_Picture(1); // slot #1 whether or not it is offered
        return;
    }
    app::App::Current().Notifications().ShowNotification();
}

std::optional<MinimumResolution> CapturePipeline::ChosenMinimum() {
    app::OptionsPanel& options = main_.options;
    const ui::OptionButton* standard[] = {&options.Option1, &options.Option2, &options.Option3,
                                          &options.Option4, &options.Option5};
    for (int option = 1; option <= 5; ++option)
        if (standard[option - 1]->Value()) return StandardMinimum(option);
    if (!options.Option6.Value()) return std::nullopt;
    // Both texts are read before either is compared; a text that is not a
    // number ends the capture.
    const std::optional<double> width = app::LocaleNumber(options.txt_CustomRes1.Text());
    const std::optional<double> height = app::LocaleNumber(options.txt_CustomRes2.Text());
    if (!width || !height) return std::nullopt;
    return MinimumResolution{*width, *height};
}

} // namespace capture
