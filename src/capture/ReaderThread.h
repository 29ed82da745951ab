// The reader thread: reads the clipboard's current change when asked (the
// owner probe, the data, the conversion), fingerprints its picture and makes
// its preview, all off the window's thread, and hands each result back with
// a posted message. Asks that come while it reads make one more read of the
// clipboard as it is then, never one read per ask. It touches no window.
#pragma once

#include "capture/ClipboardReader.h"
#include "capture/ProgramList.h"
#include "capture/ResultMailbox.h"
#include "ui/Picture.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace capture {

struct ReadResult {
    ClipboardChange change;
    ui::Picture preview;                   // the change's picture scaled down to the preview's size
    std::uint64_t fingerprint = 0;         // of the change's picture
    std::optional<std::uint64_t> likeness; // of the change's picture, see LikenessOf
};

// What every read of the engine goes by.
struct ReadSetup {
    int previewWidth = 0, previewHeight = 0;           // the largest size of the small copy
    std::shared_ptr<ui::SpareBitmap> spare;            // where the pictures' bitmaps come from and go back to
    std::shared_ptr<const SharedProgramList> excluded; // programs whose changes are left alone
};

// Reads the clipboard as it is now and measures its picture (on any thread).
ReadResult ReadAndMeasure(HWND window, BitmapChoice choice, const ReadSetup& setup);

class ReaderThread {
  public:
    ReaderThread(HWND window, UINT resultMessage, ReadSetup setup);
    // A read in progress is finished first.
    ~ReaderThread();
    ReaderThread(const ReaderThread&) = delete;
    ReaderThread& operator=(const ReaderThread&) = delete;

    // Asks for a read of the clipboard as it will be when the read begins.
    void Request();
    // The results finished since the last call, oldest first.
    std::vector<ReadResult> TakeResults();
    // Waits until no read is asked for or running, at most `timeoutMs`;
    // false when a read still runs (its owner may be rendering for it).
    bool WaitUntilIdle(unsigned timeoutMs);

  private:
    void Run();

    const ReadSetup setup_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool wanted_ = false;
    bool reading_ = false;
    bool stopping_ = false;
    ResultMailbox<ReadResult> results_;
    std::thread thread_;
};

} // namespace capture
