// The capture engine: reads each clipboard change once, at once, on its
// reader thread (the window never waits for the clipboard), tells a
// picture from the last one caught, hands new pictures to its listener one
// at a time (never while the listener is inside a modal box), and has the
// worker save pictures, reporting each result back on the window thread.
// It knows nothing of the program's forms: they hear from it through
// CaptureListener.
#pragma once

#include "capture/ClipboardReader.h"
#include "capture/ReaderThread.h"
#include "capture/SaveWorker.h"
#include "capture/UnreadChanges.h"
#include "ui/Picture.h"
#include "ui/WinHandles.h"
#include "ui/Window.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace capture {

struct CaughtPicture {
    ui::Picture picture;                   // full size, held once
    ui::Picture preview;                   // a small copy, made once, that the previews draw
    bool repeated = false;                 // the same size and pixels as the picture caught before it
    CopiedForm copied;                     // what it was on the clipboard
    std::optional<std::uint64_t> likeness; // how it looks (LikenessOf), when it can be told
};

class CaptureListener {
  public:
    // A picture was caught: a new one, or the last one again.
    virtual void PictureCaught(const CaughtPicture& caught) = 0;
    // A change whose picture could not be taken (damaged, or the clipboard or
    // its owner did not answer).
    virtual void PictureMissed(const ClipboardChange& change) = 0;
    // False while a picture must wait its turn (a modal box is open).
    virtual bool ReadyForPicture() = 0;
    // The clipboard changed and the viewer chain did not pass the notice on:
    // a program in it no longer does. The listener joins the chain anew.
    virtual void ChainSilent() = 0;
    // `count` changes went by too quickly to be read (told once a burst is over).
    virtual void ChangesUnread(int count) = 0;
    // A picture caught while the line of pictures waiting their turn is full:
    // it cannot wait in memory, so the listener keeps it elsewhere.
    virtual void KeepWhileBusy(const CaughtPicture& caught) = 0;
    virtual void SaveFinished(const SaveResult& result) = 0;

  protected:
    ~CaptureListener() = default;
};

// Posted to a window that asked for the shown bitmap of a change not read
// yet, once it is read: the window asks again.
inline constexpr UINT kChangeReadMessage = WM_APP + 41;

// Pictures waiting their turn (while a box is open) beyond this many bytes
// are handed to the listener to keep elsewhere: memory stays bounded.
inline constexpr std::size_t kWaitingBytesLimit = std::size_t{512} << 20;

class CaptureEngine : private ui::Window {
  public:
    // previewWidth x previewHeight: the largest preview, in pixels.
    CaptureEngine(CaptureListener& listener, int previewWidth, int previewHeight);
    ~CaptureEngine() override;

    // A clipboard change notice from a viewer in the chain: reads the change
    // unless it was read before. The engine also hears every change through
    // its own clipboard format listener, whatever the chain does.
    void OnClipboardNotice();
    // Asks the reader for the clipboard's current change unless it was read
    // or asked for before.
    void CatchUp();
    // The clipboard's current change has been read.
    bool CaughtUp() const { return lastSequence_ == GetClipboardSequenceNumber(); }
    // Reads the clipboard's current change now, on this thread, unless it
    // was read before: the change is taken before the clipboard is emptied.
    void ReadNow();
    // The bitmap of the clipboard's current change, which the viewer shows,
    // caught once also when the user chose to show a bitmap that was not the
    // change's best format. Empty when the change holds none or its data was
    // refused, and while it is being read: `askedBy` is then sent
    // kChangeReadMessage once it is read.
    ui::Picture ShownBitmap(HWND askedBy = nullptr);
    // True while the clipboard's current change is being read: `window` is
    // then sent kChangeReadMessage once it is read.
    bool TellWhenRead(HWND window);
    // After the in-memory picture was cleared: the same picture copied again
    // is a new catch.
    void ForgetLastPicture();
    // Queues a save (the job's id is set here); returns its id, which the
    // result carries.
    int Save(SaveJob job);
    // Changes copied by these programs are neither read nor told of, from the next change on.
    void ExcludePrograms(ProgramList programs) { excluded_->Set(std::move(programs)); }
    // Waits for the worker and reports every result now (tests, the end).
    void FinishSaves();
    // The bound of the pictures waiting their turn (kWaitingBytesLimit unless set).
    void SetWaitingBytesLimit(std::size_t bytes) { waitingBytesLimit_ = bytes; }

  private:
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // `postedAt`: when the notice was posted (the system's milliseconds).
    void OnListenerNotice(DWORD postedAt);
    // A change the listener heard and the chain did not pass on for a whole
    // watch period: the chain is broken.
    void CheckChainHeard();
    // Reports the changes that went by unread once no more went by for a period.
    void ReportUnread();
    void Take(ReadResult read);
    void TakeReads();
    void ReportResults();
    // Hands pictures that waited to the listener when it is ready.
    void DeliverWaitingPictures();
    // `window` is sent kChangeReadMessage when the read under way ends.
    void AnswerWhenRead(HWND window);
    // Once a second: a change that nobody announced, or that could not be read yet.
    void Watch();

    CaptureListener& listener_;
    // The programs whose changes are left alone, and what every read goes
    // by: the small copies' size, the bitmap of the last picture let go for
    // the next of its size (it goes with the engine), those programs.
    std::shared_ptr<SharedProgramList> excluded_ = std::make_shared<SharedProgramList>();
    ReadSetup setup_;
    ui::UniqueWindow window_;
    std::optional<unsigned long> lastSequence_;   // the change read last
    std::optional<unsigned long> noticeSequence_; // the change of the last notice, from either
    bool listening_ = false;                      // the format listener is registered
    std::optional<unsigned long> heardSequence_;  // the change of the listener's last notice
    std::optional<unsigned long> chainSequence_;  // the change of the chain's last notice
    std::optional<unsigned long> chainMissed_;    // a change the chain had not passed on at the last watch
    UnreadChanges unread_;
    std::optional<unsigned long> unannounced_;    // a change seen at the last watch without a notice
    std::optional<unsigned long> missedSequence_; // the change last reported as missed
    bool bitmapChosen_ = false;                   // the current change was also read for a chosen bitmap
    ClipboardChange lastChange_;
    std::optional<std::uint64_t> lastFingerprint_;
    std::deque<CaughtPicture> waiting_;
    std::size_t waitingBytes_ = 0;
    std::size_t waitingBytesLimit_ = kWaitingBytesLimit;
    bool delivering_ = false;
    int nextSaveId_ = 1;
    std::unique_ptr<SaveWorker> worker_;
    std::unique_ptr<ReaderThread> reader_;
    std::optional<unsigned long> askedSequence_; // the change the reader was last asked for
    std::vector<HWND> waitingForRead_;           // windows that asked for a bitmap being read
};

} // namespace capture
