#include "capture/PictureSaver.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "capture/JpegEncoder.h"
#include "capture/PictureFile.h"
#include "capture/PictureNames.h"
#include "ui/SystemClipboard.h"
#include "notify/NotificationForm.h"
#include "ui/Clock.h"

#include <stdexcept>

namespace capture {
namespace {

constexpr int kPromptTitleEntry = 42;
constexpr int kPromptQuestionEntry = 109;
constexpr int kSavedStatusEntry = 93;
constexpr int kSavedLogEntry = 56;
constexpr int kFailedMessageEntry = 99;
constexpr int kFailedStatusEntry = 94;

std::string NameProblemText(NameProblem problem) {
    switch (problem) {
    case NameProblem::ForbiddenCharacter: return "the typed name holds a path or a character Windows forbids";
    case NameProblem::DeviceName: return "the typed name is a device name";
    case NameProblem::TooLong: return "the typed name is too long";
    case NameProblem::None: break;
    }
    return {};
}

} // namespace

PictureSaver::PictureSaver(app::MainForm& main) : main_(main) {}

void PictureSaver::Save_Picture(int slot) {
    try {
        SaveInto(slot);
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    }
}

void PictureSaver::SaveInto(int slot) {
    const std::string folder = main_.targets.FolderText(slot).Text();
    const std::optional<std::string> typed = TypedName();
    // A slot without a folder has nowhere to save: the picture would land at
    // the root of the current drive.
    if (folder.empty()) throw std::runtime_error("target slot #" + std::to_string(slot) + " has no folder");
    if (typed) {
        const NameProblem problem = TypedNameProblem(*typed);
        if (problem != NameProblem::None) throw std::runtime_error(NameProblemText(problem));
    }
    const std::string base = folder + "\\" + (typed ? *typed : AutomaticPictureName(ui::Now()));
    const ui::Picture& picture = main_.capture.Picture1.GetPicture();
    const PixelRows rows{picture.Width(), picture.Height(), static_cast<std::ptrdiff_t>(picture.Width()) * 4,
                         picture.Bits()};
    const std::string path = WriteNewPictureFile(base, EncodeJpeg(rows, kJpegQuality));

    app::App::Current().Notifications().txt_Timer2.SetText("7"); // closes the notification at once
    main_.lbl_Status.SetCaption(main_.Catalogue(kSavedStatusEntry));
    main_.AppendLog(main_.Catalogue(kSavedLogEntry) + ": " + path);
    if (app::MainForm::IsSet(main_.options.Check5)) ui::EmptySystemClipboard();
    if (app::MainForm::IsSet(main_.options.Check6) && main_.wallpaper.Save_Wallpaper())
        main_.wallpaper.Put_Wallpaper();
}

std::optional<std::string> PictureSaver::TypedName() {
    if (!app::MainForm::IsSet(main_.options.Check7)) return std::nullopt;
    app::App::Current().Notifications().Timer3.SetEnabled(false); // the prompt must not sit under it
    const std::string question = main_.Catalogue(kPromptQuestionEntry);
    const std::string title = main_.Catalogue(kPromptTitleEntry);
    std::string answer = ui::CurrentDialogs().InputBox(question, title, "");
    if (answer.empty()) return std::nullopt; // empty or cancelled: the automatic name
    return answer;
}

void PictureSaver::ReportFailure(const std::string& why) {
    OutputDebugStringA(("The picture was not saved: " + why + "\n").c_str());
    main_.ErrorReport(kFailedMessageEntry, ui::MsgIcon::Exclamation);
    main_.lbl_Status.SetCaption(main_.Catalogue(kFailedStatusEntry));
    main_.AppendLog(main_.Catalogue(kFailedStatusEntry));
}

} // namespace capture
