// The worker thread that encodes and writes pictures (and the wallpaper
// bitmap) while the window stays responsive. Installing the wallpaper is
// left to the window's thread: the system tells every window of it. Jobs wait in a first-in,
// first-out line; each finished job becomes a result, and the worker posts
// a message to the window, whose thread takes the results. The worker
// touches no window.
#pragma once

#include "capture/CopiedForm.h"
#include "capture/PictureNames.h"
#include "capture/ResultMailbox.h"
#include "capture/WebpEncoder.h"
#include "ui/Picture.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace capture {

// Where the wallpaper bitmap goes: the first folder that can be written.
struct WallpaperPlan {
    std::vector<std::string> paths;
};

struct SaveJob {
    int id = 0;
    ui::Picture picture; // the picture as it was when the save was decided
    CopiedForm copied;   // what it was on the clipboard
    PictureFormat format = PictureFormat::Jpeg;
    WebpSettings webp;                      // with the WebP format
    std::string base;                       // folder, "\", name; ".jpg" (or "_n.jpg", ".png") follows
    std::optional<WallpaperPlan> wallpaper; // also install the picture as wallpaper
    // Where the picture is kept, under the same name, when it cannot be
    // written where it was meant to go (made when needed; empty: nowhere).
    std::string keepFolder;
};

enum class WallpaperOutcome { NotAsked, Written, NotWritten };

struct SaveResult {
    int id = 0;
    bool saved = false;
    std::string path;     // the file written
    std::string error;    // why the picture was not saved (for the debugger)
    std::string keptPath; // not saved: where it is kept instead, when it could be
    WallpaperOutcome wallpaper = WallpaperOutcome::NotAsked;
    std::string wallpaperPath; // the bitmap written, when it was
};

inline constexpr int kJpegQuality = 100;

// Pictures waiting beyond this many bytes make the next save wait (never drop).
inline constexpr std::size_t kPendingBytesLimit = std::size_t{512} << 20;

class SaveWorker {
  public:
    SaveWorker(HWND window, UINT resultMessage, std::size_t pendingBytesLimit = kPendingBytesLimit);
    // Finishes every job still in the line, then ends the thread.
    ~SaveWorker();
    SaveWorker(const SaveWorker&) = delete;
    SaveWorker& operator=(const SaveWorker&) = delete;

    // Adds a job; waits first while the pictures in the line pass the limit.
    void Add(SaveJob job);
    // The results finished since the last call, oldest first.
    std::vector<SaveResult> TakeResults();
    // Waits until every job added so far is finished (tests, the end).
    void WaitUntilIdle();

  private:
    void Run();
    static SaveResult Save(const SaveJob& job);

    std::size_t limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<SaveJob> line_;
    std::size_t pendingBytes_ = 0;
    bool working_ = false;
    bool stopping_ = false;
    ResultMailbox<SaveResult> results_;
    std::thread thread_;
};

} // namespace capture
