#include "catcher/PictureSaver.h"

#include "capture/PictureNames.h"
#include "catcher/CapturePipeline.h"
#include "catcher/Wallpaper.h"
#include "i18n/CatalogueEntries.h"
#include "i18n/DriverLines.h"
#include "ui/Clock.h"
#include "ui/ProgramFolder.h"

#include <stdexcept>

namespace catcher {
namespace {

int ProblemEntry(capture::NameProblem problem) {
    switch (problem) {
    case capture::NameProblem::ForbiddenCharacter: return i18n::entry::kNameHoldsPath;
    case capture::NameProblem::DeviceName: return i18n::entry::kNameIsDevice;
    case capture::NameProblem::TooLong: return i18n::entry::kNameTooLong;
    case capture::NameProblem::None: break;
    }
    return i18n::entry::kSaveFailed;
}

} // namespace

PictureSaver::PictureSaver(CaptureHost& host, const CaptureSettings& settings, CapturePipeline& capture,
                           Wallpaper& wallpaper)
    : host_(host), settings_(settings), capture_(capture), wallpaper_(wallpaper) {}

void PictureSaver::Save_Picture(int slot) {
    try {
        // The picture as it is now: one caught while the prompt is open waits its turn.
        const ui::Picture picture = capture_.InMemory();
        const std::string folder = settings_.Slot(slot).folder;
        const std::string name = ChooseName(folder);
        // A slot without a folder has nowhere to save: the picture would land at
        // the root of the current drive.
        if (folder.empty())
            throw std::runtime_error("target slot #" + std::to_string(slot) + " has no folder");
        if (!picture.IsBitmap()) throw std::runtime_error("there is no picture in memory");
        capture::SaveJob job = JobFor(picture, capture_.Copied(), folder + "\\" + name);
        if (settings_.options.wallpaper) job.wallpaper = wallpaper_.Plan();
        job.keepFolder = KeepFolder();
        const int id = capture_.engine.Save(std::move(job));
        if (const std::optional<std::uint64_t> likeness = capture_.Likeness()) likenessOf_[id] = *likeness;
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    }
}

void PictureSaver::Keep(const capture::CaughtPicture& caught) {
    const std::string folder = KeepFolder();
    if (folder.empty()) {
        ReportFailure("there is no folder to keep the picture in");
        return;
    }
    // The keep folder is the target: a failure there keeps nothing either.
    keepIds_.insert(capture_.engine.Save(
        JobFor(caught.picture, caught.copied, folder + "\\" + capture::AutomaticPictureName(ui::Now()))));
}

// A save of the picture in the format the options ask for now.
capture::SaveJob PictureSaver::JobFor(const ui::Picture& picture, const capture::CopiedForm& copied,
                                      std::string base) {
    capture::SaveJob job;
    job.picture = picture;
    job.copied = copied;
    const CaptureOptions& options = settings_.options;
    job.format = options.FormatFor(picture.Width(), picture.Height());
    job.webp = options.WebpEncoding();
    job.base = std::move(base);
    if (options.webp && job.format != capture::PictureFormat::Webp)
        host_.AppendLog(host_.Catalogue(i18n::entry::kWebpTooLarge) +
                        (job.format == capture::PictureFormat::Png ? " PNG" : " JPEG"));
    return job;
}

// Asked of the shell once: it does not move while the program runs.
std::string PictureSaver::KeepFolder() {
    static const std::string folder = [] {
        const std::string localData = ui::LocalAppDataFolder();
        return localData.empty() ? std::string() : localData + "\\" + kLocalDataFolder + "\\Unsaved";
    }();
    return folder;
}

capture::NameFacts PictureSaver::FactsNow() const {
    const ui::Picture& picture = capture_.InMemory();
    return {ui::Now(),
            nextCounter_,
            picture.Width(),
            picture.Height(),
            capture_.Copied().program,
            settings_.options.FormatFor(picture.Width(), picture.Height())};
}

std::string PictureSaver::TemplateName(const std::string& folder) {
    const capture::NameTemplate& pattern = settings_.nameTemplate;
    if (pattern.Problem() != capture::TemplateProblem::None || pattern.Automatic())
        return capture::AutomaticPictureName(ui::Now());
    const std::string name = pattern.Expand(FactsNow());
    if (pattern.UsesCounter()) ++nextCounter_;
    const capture::NameProblem problem = capture::NameProblemIn(folder, name);
    if (problem == capture::NameProblem::None) return name;
    host_.AppendLog(host_.Catalogue(i18n::entry::kTemplateNameRefused) + " (" +
                    host_.Catalogue(ProblemEntry(problem)) + "): " + name);
    return capture::AutomaticPictureName(ui::Now());
}

std::string PictureSaver::ChooseName(const std::string& folder) {
    for (;;) {
        const std::optional<std::string> typed = AskForName();
        if (!typed) return TemplateName(folder); // not asked, empty or cancelled
        const capture::NameProblem problem = capture::TypedNameProblem(*typed);
        if (problem == capture::NameProblem::None) return *typed;
        host_.ErrorReport(ProblemEntry(problem), ui::MsgIcon::Exclamation);
    }
}

std::optional<std::string> PictureSaver::AskForName() {
    if (!settings_.options.namesByHand) return std::nullopt;
    host_.HoldNotificationBack(); // the prompt must not sit under it
    const std::string question = host_.Catalogue(i18n::entry::kPromptQuestion);
    const std::string title = host_.Catalogue(i18n::entry::kPromptTitle);
    std::string answer = ui::InputBox(question, title, "");
    if (answer.empty()) return std::nullopt;
    return answer;
}

void PictureSaver::SaveFinished(const capture::SaveResult& result) {
    if (keepIds_.erase(result.id) > 0) {
        // Kept, not saved: the log says where; nothing else of a save follows.
        if (result.saved)
            host_.AppendLog(host_.Catalogue(i18n::entry::kPictureKept) + ": " + result.path);
        else
            ReportFailedSave(result);
        return;
    }
    const auto likeness = likenessOf_.find(result.id);
    if (likeness != likenessOf_.end()) {
        if (result.saved) recent_.Add(likeness->second, result.path);
        likenessOf_.erase(likeness);
    }
    if (!result.saved) {
        ReportFailedSave(result);
        return;
    }
    failureShown_ = false; // a save that works ends a run of failures
    try {
        host_.CloseNotification();
        host_.SetStatus(host_.Catalogue(i18n::entry::kPictureSaved));
        host_.AppendLog(host_.Catalogue(i18n::entry::kPictureSavedLog) + ": " + result.path);
        if (settings_.options.emptyAfterSave) capture_.EmptyClipboard();
        if (result.wallpaper != capture::WallpaperOutcome::NotAsked) wallpaper_.Put_Wallpaper(result);
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    }
}

void PictureSaver::ReportFailure(const std::string& why) {
    OutputDebugStringA(("The picture was not saved: " + why + "\n").c_str());
    host_.ErrorReport(i18n::entry::kSaveFailed, ui::MsgIcon::Exclamation);
    host_.SetStatus(host_.Catalogue(i18n::entry::kPictureNotSaved));
    host_.LogEntry(i18n::entry::kPictureNotSaved);
}

void PictureSaver::ReportFailedSave(const capture::SaveResult& result) {
    OutputDebugStringA(("The picture was not saved: " + result.error + "\n").c_str());
    const std::string kept = host_.Catalogue(i18n::entry::kPictureKept) + ": ";
    if (!failureShown_) {
        // One box for a run of failures: a folder that is gone fails every
        // picture, and the user needs to hear it once, not once a picture.
        failureShown_ = true;
        const std::string failed =
            i18n::ErrorReportText(i18n::entry::kSaveFailed, host_.Catalogue(i18n::entry::kSaveFailed));
        ui::MsgBox(result.keptPath.empty() ? failed : failed + "\r\n\r\n" + kept + KeepFolder(),
                   ui::MsgIcon::Exclamation);
    }
    host_.SetStatus(host_.Catalogue(i18n::entry::kPictureNotSaved));
    host_.LogEntry(i18n::entry::kPictureNotSaved);
    if (!result.keptPath.empty()) host_.AppendLog(kept + result.keptPath);
}

} // namespace catcher
