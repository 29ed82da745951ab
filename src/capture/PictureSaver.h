// Saving the in-memory picture as a JPEG file into a target slot. The
// decisions (folder, name, the typed-name prompt) are made at once; the
// engine's worker encodes and writes, and the result is reported when it
// comes back.
#pragma once

#include "capture/CaptureHost.h"
#include "capture/SaveWorker.h"

#include <optional>
#include <string>

namespace capture {

class CapturePipeline;
class Wallpaper;

class PictureSaver {
  public:
    PictureSaver(CaptureHost& host, CapturePipeline& capture, Wallpaper& wallpaper);
    // Save_Picture .. Save_Picture5: slot 1..5. Saves the in-memory picture as
    // it is now. Errors never leave it: a failed save shows message 99 and
    // reports entry 94.
    void Save_Picture(int slot);
    // A save came back from the worker: closes the notification, reports in
    // the status and the log, empties the clipboard and reports the
    // wallpaper, as asked.
    void SaveFinished(const SaveResult& result);

  private:
    // The name of the file: typed when names are set by hand (asked again,
    // with the reason, while the answer cannot be a file name), else the
    // automatic one.
    std::string ChooseName();
    std::optional<std::string> AskForName();
    void ReportFailure(const std::string& why);

    CaptureHost& host_;
    CapturePipeline& capture_;
    Wallpaper& wallpaper_;
};

} // namespace capture
