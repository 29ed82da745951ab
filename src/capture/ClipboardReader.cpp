#include "capture/ClipboardReader.h"

#include "capture/DibReader.h"
#include "capture/PrivacyMarkers.h"
#include "capture/ClipboardFormats.h"
#include "ui/WinHandles.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace capture {
namespace {

constexpr int kOpenAttempts = 6;        // another program may hold the clipboard for a moment:
constexpr DWORD kOpenPauseMs = 20;      // about 100 ms in all
constexpr UINT kOwnerAnswerMs = 1000;   // an owner busy longer is asked again later

// The owner renders delayed formats when they are asked for; one that does
// not answer would hold the program and the clipboard for as long as it
// hangs. Asked before the clipboard is opened; a hung owner fails at once.
bool OwnerAnswers(HWND owner) {
    if (!owner || GetWindowThreadProcessId(owner, nullptr) == GetCurrentThreadId()) return true;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kOwnerAnswerMs, &ignored) != 0;
}

PrivacyMarkers ReadPrivacyMarkers() {
    PrivacyMarkers markers;
    markers.viewerIgnore = IsClipboardFormatAvailable(RegisterClipboardFormatA(kViewerIgnoreFormat)) != FALSE;
    markers.excludeFromMonitoring =
        IsClipboardFormatAvailable(RegisterClipboardFormatA(kExcludeFromMonitoringFormat)) != FALSE;
    const UINT history = RegisterClipboardFormatA(kHistoryFormat);
    if (IsClipboardFormatAvailable(history)) {
        ui::GlobalLockGuard<const std::uint8_t> lock(GetClipboardData(history));
        // A marker whose data cannot be read is taken as the strictest one.
        static constexpr std::uint8_t kZero[4] = {};
        markers.historyData = lock.get() ? std::basic_string_view<std::uint8_t>(lock.get(), lock.size())
                                         : std::basic_string_view<std::uint8_t>(kZero, 4);
    }
    return markers;
}

// The picture format the setting program offered: formats the system makes
// from it are listed after the ones that were set.
UINT OfferedPictureFormat() {
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (format == CF_DIB || format == CF_DIBV5 || format == CF_BITMAP) return format;
    return 0;
}

const char* ProblemText(DibProblem problem) {
    switch (problem) {
    case DibProblem::BadHeader: return "the bitmap's header makes no sense";
    case DibProblem::Unsupported: return "the bitmap's kind is not supported";
    case DibProblem::TooLarge: return "the bitmap is too large";
    case DibProblem::PixelsMissing: return "the bitmap claims more data than it holds";
    case DibProblem::None: break;
    }
    return "";
}

void ReadDib(UINT format, ClipboardChange& change) {
    ui::GlobalLockGuard<const std::uint8_t> lock(GetClipboardData(format));
    if (!lock.get()) {
        change.content = ChangeContent::Unavailable;
        change.detail = "the bitmap could not be read from the clipboard";
        return;
    }
    DibLayout layout;
    if (const DibProblem problem = ReadDibLayout(lock.get(), lock.size(), layout); problem != DibProblem::None) {
        change.content = ChangeContent::Refused;
        change.detail = ProblemText(problem);
        return;
    }
    change.picture = ui::Picture::FromFilledRows(
        layout.width, layout.height, [&](std::uint8_t* rows) { ConvertDibPixels(lock.get(), layout, rows); });
    change.content = change.picture.Empty() ? ChangeContent::Unavailable : ChangeContent::Picture;
    if (change.picture.Empty()) change.detail = "no memory for the picture";
}

void ReadBitmap(ClipboardChange& change) {
    change.picture = CopyClipboardBitmap(CF_BITMAP);
    change.content = change.picture.Empty() ? ChangeContent::Unavailable : ChangeContent::Picture;
    if (change.picture.Empty()) change.detail = "the bitmap could not be copied";
}

} // namespace

namespace {

// Reads what the open clipboard holds into the change.
void ReadOpenClipboard(BitmapChoice choice, ClipboardChange& change) {
    if (IsPrivateChange(ReadPrivacyMarkers())) {
        change.content = ChangeContent::Private;
        return;
    }
    if (choice == BitmapChoice::WhenBest ? BestClipboardFormat() != format::Bitmap : !IsClipboardFormatAvailable(CF_BITMAP))
        return;
    const UINT offered = OfferedPictureFormat();
    if (offered == CF_DIB || offered == CF_DIBV5) {
        ReadDib(offered, change);
    } else {
        ReadBitmap(change);
    }
}

} // namespace

long BestClipboardFormat() {
    std::array<UINT, kPriorityList.size()> priorities{};
    std::copy(kPriorityList.begin(), kPriorityList.end(), priorities.begin());
    return GetPriorityClipboardFormat(priorities.data(), static_cast<int>(priorities.size()));
}

ui::Picture CopyClipboardBitmap(UINT format) {
    auto bitmap = static_cast<HBITMAP>(GetClipboardData(format));
    if (!bitmap) return {};
    auto palette = IsClipboardFormatAvailable(CF_PALETTE) ? static_cast<HPALETTE>(GetClipboardData(CF_PALETTE))
                                                          : nullptr;
    return ui::Picture::FromBitmap(bitmap, palette);
}

ClipboardChange ReadClipboardChange(HWND window, BitmapChoice choice) {
    ClipboardChange change;
    change.sequence = GetClipboardSequenceNumber();
    const HWND owner = GetClipboardOwner();
    if (!OwnerAnswers(owner)) {
        change.content = ChangeContent::Unavailable;
        change.detail = "the clipboard's owner does not answer";
        change.tryAgain = true;
        return change;
    }
    const ui::ClipboardSession clipboard(window, kOpenAttempts, kOpenPauseMs);
    if (!clipboard.IsOpen()) {
        change.content = ChangeContent::Unavailable;
        change.detail = "another program holds the clipboard";
        change.tryAgain = true;
        return change;
    }
    // The clipboard may have changed between asking its owner and opening
    // it: a new owner was not asked, and may not answer a render request.
    if (GetClipboardOwner() != owner) {
        change.content = ChangeContent::Unavailable;
        change.detail = "the clipboard changed while its owner was asked";
        change.tryAgain = true;
        return change;
    }
    ReadOpenClipboard(choice, change);
    // Taken while the clipboard is still open: nobody else can change it now,
    // and formats its owner rendered for this read count as part of it.
    change.sequence = GetClipboardSequenceNumber();
    return change;
}

} // namespace capture
