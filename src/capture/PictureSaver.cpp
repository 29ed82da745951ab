#include "capture/PictureSaver.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "capture/PictureNames.h"
#include "i18n/AddedEntries.h"
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

int ProblemEntry(NameProblem problem) {
    switch (problem) {
    case NameProblem::ForbiddenCharacter: return i18n::kNameHoldsPathEntry;
    case NameProblem::DeviceName: return i18n::kNameIsDeviceEntry;
    case NameProblem::TooLong: return i18n::kNameTooLongEntry;
    case NameProblem::None: break;
    }
    return kFailedMessageEntry;
}

} // namespace

PictureSaver::PictureSaver(app::MainForm& main) : main_(main) {}

void PictureSaver::Save_Picture(int slot) {
    try {
        // The picture as it is now: one caught while the prompt is open waits its turn.
        const ui::Picture picture = main_.capture.Picture1.GetPicture();
        const std::string folder = main_.targets.FolderText(slot).Text();
        const std::string name = ChooseName();
        // A slot without a folder has nowhere to save: the picture would land at
        // the root of the current drive.
        if (folder.empty()) throw std::runtime_error("target slot #" + std::to_string(slot) + " has no folder");
        if (!picture.IsBitmap()) throw std::runtime_error("there is no picture in memory");
        std::optional<WallpaperPlan> wallpaper;
        if (app::MainForm::IsSet(main_.options.Check6)) wallpaper = main_.wallpaper.Plan();
        main_.capture.engine.Save(picture, folder + "\\" + name, std::move(wallpaper));
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    }
}

std::string PictureSaver::ChooseName() {
    for (;;) {
        const std::optional<std::string> typed = AskForName();
        if (!typed) return AutomaticPictureName(ui::Now()); // not asked, empty or cancelled
        const NameProblem problem = TypedNameProblem(*typed);
        if (problem == NameProblem::None) return *typed;
        main_.ErrorReport(ProblemEntry(problem), ui::MsgIcon::Exclamation);
    }
}

std::optional<std::string> PictureSaver::AskForName() {
    if (!app::MainForm::IsSet(main_.options.Check7)) return std::nullopt;
    app::App::Current().Notifications().Timer3.SetEnabled(false); // the prompt must not sit under it
    const std::string question = main_.Catalogue(kPromptQuestionEntry);
    const std::string title = main_.Catalogue(kPromptTitleEntry);
    std::string answer = ui::InputBox(question, title, "");
    if (answer.empty()) return std::nullopt;
    return answer;
}

void PictureSaver::SaveFinished(const SaveResult& result) {
    if (!result.saved) {
        ReportFailure(result.error);
        return;
    }
    try {
        app::App::Current().Notifications().txt_Timer2.SetText("7"); // closes the notification at once
        main_.lbl_Status.SetCaption(main_.Catalogue(kSavedStatusEntry));
        main_.AppendLog(main_.Catalogue(kSavedLogEntry) + ": " + result.path);
        if (app::MainForm::IsSet(main_.options.Check5)) main_.capture.EmptyClipboard();
        if (result.wallpaper != WallpaperOutcome::NotAsked) main_.wallpaper.Put_Wallpaper(result);
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    }
}

void PictureSaver::ReportFailure(const std::string& why) {
    OutputDebugStringA(("The picture was not saved: " + why + "\n").c_str());
    main_.ErrorReport(kFailedMessageEntry, ui::MsgIcon::Exclamation);
    main_.lbl_Status.SetCaption(main_.Catalogue(kFailedStatusEntry));
    main_.AppendLog(main_.Catalogue(kFailedStatusEntry));
}

} // namespace capture
