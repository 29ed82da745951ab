#include "capture/CaptureEngine.h"

#include <algorithm>
#include <utility>

namespace capture {
namespace {

constexpr char kEngineClass[] = "VellicorCaptureEngine";
constexpr UINT kResultsMessage = WM_APP + 1;
constexpr UINT kDeliverMessage = WM_APP + 2;
constexpr UINT kReadMessage = WM_APP + 3;
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryMs = 100; // how often a waiting picture asks again
constexpr UINT_PTR kWatchTimer = 2;
constexpr UINT kWatchMs = 1000; // slow enough to cost nothing while idle
constexpr unsigned kReadNowWaitMs = 2000;

std::size_t BytesOf(const ui::Picture& picture) {
    return static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height()) * 4;
}

} // namespace

CaptureEngine::CaptureEngine(CaptureListener& listener, int previewWidth, int previewHeight)
    : listener_(listener), setup_{previewWidth, previewHeight, std::make_shared<ui::SpareBitmap>(),
                                  excluded_} {
    RegisterClassOnce(kEngineClass, 0, nullptr, nullptr);
    window_.reset(CreateBound(0, kEngineClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE));
    if (!window_) throw std::runtime_error("the capture engine's window could not be made");
    worker_ = std::make_unique<SaveWorker>(window_.get(), kResultsMessage);
    reader_ = std::make_unique<ReaderThread>(window_.get(), kReadMessage, setup_);
    // Without the listener the viewer chain and the watch still tell of changes.
    listening_ = AddClipboardFormatListener(window_.get()) != FALSE;
    if (!listening_) OutputDebugStringA("The clipboard format listener could not be registered.\n");
    if (!SetTimer(window_.get(), kWatchTimer, kWatchMs, nullptr))
        throw std::runtime_error("the capture engine's watch could not be started");
}

CaptureEngine::~CaptureEngine() {
    if (listening_) RemoveClipboardFormatListener(window_.get());
    reader_.reset(); // a read in progress ends first
    worker_.reset(); // every save still in the line is finished first; the window goes after it
}

void CaptureEngine::OnClipboardNotice() {
    noticeSequence_ = chainSequence_ = GetClipboardSequenceNumber();
    unannounced_.reset();
    CatchUp();
}

// Every change brings the listener one notice (see UnreadChanges).
void CaptureEngine::OnListenerNotice(DWORD postedAt) {
    const unsigned long sequence = GetClipboardSequenceNumber();
    unread_.Heard(postedAt, heardSequence_ == sequence, missedSequence_ == sequence);
    heardSequence_ = noticeSequence_ = sequence;
    unannounced_.reset();
    CatchUp();
}

void CaptureEngine::CheckChainHeard() {
    if (!listening_ || !chainSequence_ || !heardSequence_ || *heardSequence_ == *chainSequence_) {
        chainMissed_.reset();
        return;
    }
    // A notice of the chain may still be on its way; one missing for a whole period is lost.
    if (chainMissed_ != heardSequence_) {
        chainMissed_ = heardSequence_;
        return;
    }
    chainMissed_.reset();
    listener_.ChainSilent();
}

// Told once a burst is over: no change was heard for a whole period.
void CaptureEngine::ReportUnread() {
    if (const int unread = unread_.Watch(); unread > 0) listener_.ChangesUnread(unread);
}

void CaptureEngine::Watch() {
    DeliverWaitingPictures(); // also when the quicker retry could not be set
    ReportUnread();
    CheckChainHeard();
    if (!noticeSequence_) return; // nobody has told of a change yet
    const unsigned long sequence = GetClipboardSequenceNumber();
    if (sequence == lastSequence_) {
        unannounced_.reset();
        return;
    }
    if (sequence == noticeSequence_) {
        CatchUp(); // announced, but the clipboard or its owner was busy when it came
        return;
    }
    // A notice may still be on its way; a change unannounced for a whole
    // period is one that the chain swallowed.
    if (unannounced_ != sequence) {
        unannounced_ = sequence;
        return;
    }
    unannounced_.reset();
    if (!listening_) listener_.ChainSilent(); // with the listener, the chain is checked on its own
    CatchUp();
}

void CaptureEngine::CatchUp() {
    const unsigned long sequence = GetClipboardSequenceNumber();
    if (sequence == lastSequence_ || sequence == askedSequence_) return;
    askedSequence_ = sequence;
    unread_.ReadBegins(GetTickCount());
    reader_->Request();
}

void CaptureEngine::ReadNow() {
    // A read that does not end soon is waiting for an owner that renders
    // through this thread: the change is read here instead.
    reader_->WaitUntilIdle(kReadNowWaitMs);
    TakeReads();
    if (lastSequence_ && GetClipboardSequenceNumber() == *lastSequence_) return;
    unread_.ReadBegins(GetTickCount());
    Take(ReadAndMeasure(window_.get(), BitmapChoice::WhenBest, setup_));
}

void CaptureEngine::AnswerWhenRead(HWND window) {
    if (window && std::find(waitingForRead_.begin(), waitingForRead_.end(), window) == waitingForRead_.end())
        waitingForRead_.push_back(window);
}

bool CaptureEngine::TellWhenRead(HWND window) {
    const unsigned long sequence = GetClipboardSequenceNumber();
    if (lastSequence_ == sequence || askedSequence_ != sequence) return false;
    AnswerWhenRead(window);
    return true;
}

ui::Picture CaptureEngine::ShownBitmap(HWND askedBy) {
    if (lastSequence_ != GetClipboardSequenceNumber()) {
        // Being read: the window asks again when it is. A change whose owner
        // did not answer is asked again by the watch, not at once: a window
        // asking after every failed read would keep its thread busy for as
        // long as the owner hangs.
        if (missedSequence_ != GetClipboardSequenceNumber()) CatchUp();
        AnswerWhenRead(askedBy);
        return {};
    }
    if (lastChange_.content == ChangeContent::NoPicture && !bitmapChosen_) {
        // The user chose to see a bitmap beside the best format: read here, once.
        bitmapChosen_ = true;
        Take(ReadAndMeasure(window_.get(), BitmapChoice::WhenOffered, setup_));
    }
    // A change not read yet (its owner was busy) shows nothing of the one before.
    if (lastSequence_ != GetClipboardSequenceNumber()) return {};
    return lastChange_.content == ChangeContent::Picture ? lastChange_.picture : ui::Picture();
}

void CaptureEngine::TakeReads() {
    for (ReadResult& read : reader_->TakeResults()) Take(std::move(read));
    askedSequence_.reset();
    for (HWND window : std::exchange(waitingForRead_, {})) PostMessageA(window, kChangeReadMessage, 0, 0);
}

void CaptureEngine::ForgetLastPicture() {
    lastFingerprint_.reset();
}

void CaptureEngine::Take(ReadResult read) {
    ClipboardChange& change = read.change;
    if (change.content == ChangeContent::Unavailable && change.tryAgain) {
        // Not read: the watch tries again. It is reported once.
        if (missedSequence_ != change.sequence) listener_.PictureMissed(change);
        missedSequence_ = change.sequence;
        return;
    }
    if (lastSequence_ != change.sequence) {
        bitmapChosen_ = false;
        unread_.ChangeRead();
    }
    lastSequence_ = change.sequence;
    lastChange_ = std::move(change);
    switch (lastChange_.content) {
    case ChangeContent::Picture: {
        const ui::Picture& picture = lastChange_.picture;
        CaughtPicture caught{picture, std::move(read.preview), lastFingerprint_ == read.fingerprint,
                             lastChange_.copied, read.likeness};
        lastFingerprint_ = read.fingerprint;
        const std::size_t bytes = BytesOf(picture);
        if (!waiting_.empty() && waitingBytes_ + bytes > waitingBytesLimit_) {
            listener_.KeepWhileBusy(caught);
            break;
        }
        waitingBytes_ += bytes;
        waiting_.push_back(std::move(caught));
        PostMessageA(window_.get(), kDeliverMessage, 0, 0);
        break;
    }
    case ChangeContent::Refused:
    case ChangeContent::Unavailable: listener_.PictureMissed(lastChange_); break;
    case ChangeContent::NoPicture:
    case ChangeContent::Private: break;
    }
}

void CaptureEngine::DeliverWaitingPictures() {
    // One at a time: a listener that saves or shows a box may come back here.
    if (delivering_) return;
    struct Delivering {
        bool& flag;
        explicit Delivering(bool& f) : flag(f) { flag = true; }
        ~Delivering() { flag = false; }
    } delivering(delivering_);
    while (!waiting_.empty() && listener_.ReadyForPicture()) {
        CaughtPicture caught = std::move(waiting_.front());
        waiting_.pop_front();
        waitingBytes_ -= BytesOf(caught.picture);
        listener_.PictureCaught(caught);
    }
    if (!waiting_.empty()) SetTimer(window_.get(), kRetryTimer, kRetryMs, nullptr);
}

int CaptureEngine::Save(SaveJob job) {
    job.id = nextSaveId_++;
    const int id = job.id;
    worker_->Add(std::move(job));
    return id;
}

void CaptureEngine::FinishSaves() {
    worker_->WaitUntilIdle();
    ReportResults();
}

void CaptureEngine::ReportResults() {
    for (const SaveResult& result : worker_->TakeResults()) listener_.SaveFinished(result);
}

LRESULT CaptureEngine::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kResultsMessage: ReportResults(); return 0;
    case kDeliverMessage: DeliverWaitingPictures(); return 0;
    case kReadMessage: TakeReads(); return 0;
    case WM_CLIPBOARDUPDATE: OnListenerNotice(static_cast<DWORD>(GetMessageTime())); return 0;
    case WM_TIMER:
        if (wParam == kWatchTimer) {
            Watch();
            return 0;
        }
        if (wParam != kRetryTimer) break;
        KillTimer(hwnd, kRetryTimer);
        DeliverWaitingPictures();
        return 0;
    default: break;
    }
    return Window::HandleMessage(hwnd, msg, wParam, lParam);
}

} // namespace capture
