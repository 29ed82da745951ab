#include "capture/ReaderThread.h"

#include "capture/Likeness.h"
#include "capture/PictureRows.h"
#include "capture/PixelRows.h"
#include "ui/WinHandles.h"

#include <algorithm>
#include <chrono>

namespace capture {
namespace {

constexpr wchar_t kReaderClass[] = L"VellicorClipboardReader";

// Pictures no larger than the preview are drawn as they are.
ui::Picture PreviewOf(const ui::Picture& picture, int width, int height) {
    if (picture.Width() <= width && picture.Height() <= height) return picture;
    const int w = std::min(width, picture.Width()), h = std::min(height, picture.Height());
    ui::Picture preview = ui::Picture::FromFilledRows(
        w, h, [&](std::uint8_t* rows) { ScaleDown(RowsOf(picture), w, h, rows); });
    return preview.Empty() ? picture : preview;
}

} // namespace

ReadResult ReadAndMeasure(HWND window, BitmapChoice choice, const ReadSetup& setup) {
    ReadResult result;
    result.change = ReadClipboardChange(window, choice, setup.spare, setup.excluded.get());
    if (result.change.content == ChangeContent::Picture) {
        const ui::Picture& picture = result.change.picture;
        result.fingerprint = Fingerprint(RowsOf(picture));
        result.preview = PreviewOf(picture, setup.previewWidth, setup.previewHeight);
        // Reckoned from the small copy: the same reduction, at a fraction of the cost.
        result.likeness = LikenessOf(RowsOf(result.preview));
    }
    return result;
}

ReaderThread::ReaderThread(HWND window, UINT resultMessage, ReadSetup setup)
    : setup_(std::move(setup)), results_(window, resultMessage), thread_([this] { Run(); }) {}

ReaderThread::~ReaderThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void ReaderThread::Request() {
    {
        std::lock_guard lock(mutex_);
        wanted_ = true;
    }
    changed_.notify_all();
}

std::vector<ReadResult> ReaderThread::TakeResults() {
    return results_.TakeAll();
}

bool ReaderThread::WaitUntilIdle(unsigned timeoutMs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return !wanted_ && !reading_; });
}

// The clipboard is open for one window at a time, and the reader opens it
// with a window of its own thread: while it reads, no other window (of
// this program or another) can open the clipboard and empty it under it.
static ui::UniqueWindow MakeReaderWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kReaderClass;
    RegisterClassW(&windowClass); // a class registered before stays registered
    return ui::UniqueWindow(CreateWindowExW(0, kReaderClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
}

void ReaderThread::Run() {
    const ui::UniqueWindow window = MakeReaderWindow();
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || wanted_; });
        if (stopping_) return;
        wanted_ = false;
        reading_ = true;
        lock.unlock();
        results_.Post(ReadAndMeasure(window.get(), BitmapChoice::WhenBest, setup_));
        lock.lock();
        reading_ = false;
        changed_.notify_all();
    }
}

} // namespace capture
