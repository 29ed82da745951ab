// Saving the in-memory picture into a target slot (a JPEG or a PNG file). The
// decisions (folder, name, the typed-name prompt) are made at once; the
// engine's worker encodes and writes, and the result is reported when it
// comes back.
#pragma once

#include "capture/CaptureEngine.h"
#include "capture/SaveWorker.h"
#include "catcher/CaptureHost.h"
#include "catcher/CaptureSettings.h"
#include "catcher/RecentSaves.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace catcher {

class CapturePipeline;
class Wallpaper;

class PictureSaver {
  public:
    PictureSaver(CaptureHost& host, const CaptureSettings& settings, CapturePipeline& capture,
                 Wallpaper& wallpaper);
    // Save_Picture .. Save_Picture5: slot 1..5. Saves the in-memory picture as
    // it is now. Errors never leave it: a save refused at once shows message
    // 99 and reports entry 94.
    void Save_Picture(int slot);
    // Keeps a picture in the keep folder under an automatic name, as a
    // failed save does (a picture that cannot wait in memory).
    void Keep(const capture::CaughtPicture& caught);
    // A save came back from the worker: closes the notification, reports in
    // the status and the log, empties the clipboard and reports the
    // wallpaper, as asked. A picture that could not be written was kept in
    // the keep folder: message 99 says where, once for a run of failures;
    // the log says it for each.
    void SaveFinished(const capture::SaveResult& result);

    // What the name template's {counter} gives next; it goes on across runs.
    int NextCounter() const { return nextCounter_; }
    void SetNextCounter(int counter) { nextCounter_ = counter; }
    // What the name template makes of the picture in memory now.
    capture::NameFacts FactsNow() const;

    // The pictures saved lately (not those kept in the keep folder).
    const RecentSaves& Recent() const { return recent_; }

    // Where pictures that could not be saved are kept: "Unsaved" in the
    // program's folder of the user's local application data.
    static std::string KeepFolder();

  private:
    capture::SaveJob JobFor(const ui::Picture& picture, const capture::CopiedForm& copied, std::string base);
    // The name of the file: typed when names are set by hand (asked again,
    // with the reason, while the answer cannot be a file name), else the
    // automatic one.
    std::string ChooseName(const std::string& folder);
    // The template's name, or the automatic one when there is no usable
    // template or Windows would refuse the name (said in the log).
    std::string TemplateName(const std::string& folder);
    std::optional<std::string> AskForName();
    void ReportFailure(const std::string& why);
    void ReportFailedSave(const capture::SaveResult& result);

    CaptureHost& host_;
    const CaptureSettings& settings_;
    CapturePipeline& capture_;
    Wallpaper& wallpaper_;
    bool failureShown_ = false;               // message 99 was shown for the current run of failed saves
    std::set<int> keepIds_;                   // the saves of pictures that could not wait in memory
    std::map<int, std::uint64_t> likenessOf_; // the saves under way, by id: how their picture looks
    RecentSaves recent_;
    int nextCounter_ = 1;
};

} // namespace catcher
