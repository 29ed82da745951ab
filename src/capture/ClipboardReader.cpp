#include "capture/ClipboardReader.h"

#include "capture/ClipboardFormats.h"
#include "capture/DibReader.h"
#include "capture/JfifReader.h"
#include "capture/PngReader.h"
#include "capture/PrivacyMarkers.h"
#include "capture/Transparency.h"
#include "capture/WebpReader.h"
#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace capture {
namespace {

using Spare = std::shared_ptr<ui::SpareBitmap>;

constexpr int kOpenAttempts = 6;      // another program may hold the clipboard for a moment:
constexpr DWORD kOpenPauseMs = 20;    // about 100 ms in all
constexpr UINT kOwnerAnswerMs = 1000; // an owner busy longer is asked again later

// The owner renders delayed formats when they are asked for; one that does
// not answer would hold the program and the clipboard for as long as it
// hangs. Asked before the clipboard is opened; a hung owner fails at once.
bool OwnerAnswers(HWND owner) {
    if (!owner || GetWindowThreadProcessId(owner, nullptr) == GetCurrentThreadId()) return true;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kOwnerAnswerMs,
                               &ignored) != 0;
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

// The first of the named formats that the clipboard holds; 0 for none.
template <std::size_t N> UINT AvailableNamedFormat(const char* const (&names)[N]) {
    for (const char* name : names)
        if (const UINT format = RegisterClipboardFormatA(name); IsClipboardFormatAvailable(format))
            return format;
    return 0;
}

bool AnyPictureOffered() {
    return IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB) ||
           IsClipboardFormatAvailable(CF_DIBV5) || AvailableNamedFormat(kPngFormatNames) ||
           AvailableNamedFormat(kJfifFormatNames) || AvailableNamedFormat(kWebpFormatNames);
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

void Unreadable(ClipboardChange& change, const char* what) {
    change.content = ChangeContent::Unavailable;
    change.detail = std::string(what) + " could not be read from the clipboard";
}

// Composes the picture's alpha over white, keeping the colours with their
// alpha for a save that keeps it (lossless PNG or WebP) when it means something.
void SettleAlphaOf(std::uint8_t* rows, std::size_t count, AlphaColours colours, ClipboardChange& change) {
    std::vector<std::uint8_t> kept = SettleAlphaKeepingCopy(rows, count, colours);
    if (!kept.empty())
        change.copied.alphaPixels = std::make_shared<const std::vector<std::uint8_t>>(std::move(kept));
}

// Fills the change's picture; the fill says whether the picture is whole.
template <typename Fill>
void TakePicture(int width, int height, ClipboardChange& change, const Spare& spare, Fill fill) {
    bool whole = false;
    change.picture = ui::Picture::FromFilledRows(
        width, height, [&](std::uint8_t* rows) { whole = fill(rows); }, spare);
    if (change.picture.Empty()) {
        change.content = ChangeContent::Unavailable;
        change.detail = "no memory for the picture";
    } else if (!whole) {
        change.picture = {};
    } else {
        change.content = ChangeContent::Picture;
    }
}

// With `onlyWithAlpha`, a DIB whose alpha means nothing is left for the next source.
void ReadDib(UINT format, ClipboardChange& change, const Spare& spare, bool onlyWithAlpha = false) {
    ui::GlobalLockGuard<const std::uint8_t> lock(GetClipboardData(format));
    if (!lock.get()) return Unreadable(change, "the bitmap");
    DibLayout layout;
    if (const DibProblem problem = ReadDibLayout(lock.get(), lock.size(), layout);
        problem != DibProblem::None) {
        change.content = ChangeContent::Refused;
        change.detail = ProblemText(problem);
        return;
    }
    const bool alphaMatters = DibAlphaMatters(lock.get(), layout);
    if (onlyWithAlpha && !alphaMatters) return;
    TakePicture(layout.width, layout.height, change, spare, [&](std::uint8_t* rows) {
        if (!alphaMatters) {
            ConvertDibPixels(lock.get(), layout, rows);
            return true;
        }
        ConvertDibRows(lock.get(), layout, rows);
        SettleAlphaOf(rows, static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height),
                      AlphaColours::MaybeScaled, change);
        return true;
    });
}

// A PNG, JPEG or WebP file: its size is checked before memory is taken for it.
template <EncodedPictureReader Reader>
void ReadEncoded(UINT format, CopiedForm::Kind copiedKind, const char* kind, ClipboardChange& change,
                 const Spare& spare) {
    ui::GlobalLockGuard<const std::uint8_t> lock(GetClipboardData(format));
    if (!lock.get()) return Unreadable(change, kind);
    Reader reader(lock.get(), lock.size());
    DecodeResult result = reader.ReadHeader();
    if (result.ok()) {
        TakePicture(reader.Width(), reader.Height(), change, spare, [&](std::uint8_t* rows) {
            result = reader.ReadPixels(rows);
            // The alpha is kept for a save in the other format that keeps it (a PNG copied, saved as WebP).
            if (result.ok() && reader.HasAlpha())
                SettleAlphaOf(rows, static_cast<std::size_t>(reader.Width()) * reader.Height(),
                              AlphaColours::Straight, change);
            return result.ok();
        });
        if (result.ok()) {
            change.copied.kind = copiedKind;
            change.copied.file = std::make_shared<const std::string>(
                reinterpret_cast<const char*>(lock.get()), reader.FileSize());
            return;
        }
    }
    change.content = ChangeContent::Refused;
    change.detail = std::string("the ") + kind + " is refused: " + result.message;
    if (result.problem == DecodeProblem::TooLarge) change.announcedSize = {reader.Width(), reader.Height()};
}

// A version 5 bitmap beside a plain one may hold the alpha the plain one
// lost, but only a plain one of 32 bits has room for alpha at all: for any
// other, the version 5 bitmap is the system's copy of it, not worth making.
bool DibV5MayHoldAlpha(UINT offered) {
    if (offered == CF_DIBV5) return true;
    if (offered != CF_DIB || !IsClipboardFormatAvailable(CF_DIBV5)) return false;
    constexpr std::size_t kBitCountOffset = 14;
    ui::GlobalLockGuard<const std::uint8_t> lock(GetClipboardData(CF_DIB));
    // A plain one that cannot be read is read again, and refused, as the bitmap itself.
    return lock.get() && lock.size() > kBitCountOffset + 1 && lock.get()[kBitCountOffset] == 32;
}

void ReadBitmap(ClipboardChange& change) {
    change.picture = CopyClipboardBitmap(CF_BITMAP);
    change.content = change.picture.Empty() ? ChangeContent::Unavailable : ChangeContent::Picture;
    if (change.picture.Empty()) change.detail = "the bitmap could not be copied";
}

// The change's picture from the best of the forms it is offered in: PNG
// (real transparency), WebP (the copied file, kept as it is when saved as
// WebP), a version 5 bitmap whose alpha means something, the bitmap as its
// program set it, JPEG, a device-dependent bitmap. A form that
// is damaged gives way to the next; when none can be read, the first
// form's reason stands.
void ReadPicture(ClipboardChange& change, const Spare& spare) {
    const UINT offered = OfferedPictureFormat();
    const std::function<void(ClipboardChange&)> sources[] = {
        [&spare](ClipboardChange& c) {
            if (const UINT png = AvailableNamedFormat(kPngFormatNames))
                ReadEncoded<PngReader>(png, CopiedForm::Kind::Png, "PNG", c, spare);
        },
        [&spare](ClipboardChange& c) {
            if (const UINT webp = AvailableNamedFormat(kWebpFormatNames))
                ReadEncoded<WebpReader>(webp, CopiedForm::Kind::Webp, "WebP", c, spare);
        },
        [offered, &spare](ClipboardChange& c) {
            if (!DibV5MayHoldAlpha(offered)) return;
            ReadDib(CF_DIBV5, c, spare, true);
            if (c.content != ChangeContent::Picture)
                c = {}; // only a preference: the bitmap itself is read next
        },
        [offered, &spare](ClipboardChange& c) {
            if (offered == CF_DIB || offered == CF_DIBV5) ReadDib(offered, c, spare);
        },
        [&spare](ClipboardChange& c) {
            if (const UINT jfif = AvailableNamedFormat(kJfifFormatNames))
                ReadEncoded<JfifReader>(jfif, CopiedForm::Kind::Jpeg, "JPEG", c, spare);
        },
        [offered](ClipboardChange& c) {
            if (offered == CF_BITMAP) ReadBitmap(c);
        },
    };
    std::optional<ClipboardChange> firstFailure;
    for (const auto& source : sources) {
        ClipboardChange attempt;
        source(attempt);
        if (attempt.content == ChangeContent::Picture) {
            change.content = attempt.content;
            change.picture = std::move(attempt.picture);
            change.copied = std::move(attempt.copied);
            return;
        }
        if (attempt.content != ChangeContent::NoPicture && !firstFailure) firstFailure = std::move(attempt);
    }
    if (!firstFailure) return;
    change.content = firstFailure->content;
    change.detail = std::move(firstFailure->detail);
    change.announcedSize = firstFailure->announcedSize;
}

} // namespace

namespace {

// Reads what the open clipboard holds into the change.
void ReadOpenClipboard(BitmapChoice choice, ClipboardChange& change, const Spare& spare) {
    if (IsPrivateChange(ReadPrivacyMarkers())) {
        change.content = ChangeContent::Private;
        return;
    }
    if (choice == BitmapChoice::WhenBest ? BestClipboardFormat() != format::Bitmap : !AnyPictureOffered())
        return;
    ReadPicture(change, spare);
}

} // namespace

long BestClipboardFormat() {
    // The picture formats registered by name follow the bitmap in the list.
    std::vector<UINT> priorities(kPriorityList.begin(), kPriorityList.end());
    const auto afterBitmap = std::find(priorities.begin(), priorities.end(), UINT{format::Bitmap}) + 1;
    std::vector<UINT> named;
    for (const char* name : kPngFormatNames) named.push_back(RegisterClipboardFormatA(name));
    for (const char* name : kJfifFormatNames) named.push_back(RegisterClipboardFormatA(name));
    for (const char* name : kWebpFormatNames) named.push_back(RegisterClipboardFormatA(name));
    priorities.insert(afterBitmap, named.begin(), named.end());
    const long best = GetPriorityClipboardFormat(priorities.data(), static_cast<int>(priorities.size()));
    return std::find(named.begin(), named.end(), static_cast<UINT>(best)) != named.end() ? format::Bitmap
                                                                                         : best;
}

ui::Picture CopyClipboardBitmap(UINT format) {
    auto bitmap = static_cast<HBITMAP>(GetClipboardData(format));
    if (!bitmap) return {};
    auto palette = IsClipboardFormatAvailable(CF_PALETTE)
                       ? static_cast<HPALETTE>(GetClipboardData(CF_PALETTE))
                       : nullptr;
    return ui::Picture::FromBitmap(bitmap, palette);
}

std::string ClipboardOwnerProgram(HWND owner) {
    DWORD processId = 0;
    if (!owner || !GetWindowThreadProcessId(owner, &processId) || processId == 0) return {};
    const ui::UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) return {};
    path.resize(length);
    return ui::Utf8(path.substr(path.find_last_of(L"\\/") + 1));
}

ClipboardChange ReadClipboardChange(HWND window, BitmapChoice choice,
                                    const std::shared_ptr<ui::SpareBitmap>& spare,
                                    const SharedProgramList* excluded) {
    ClipboardChange change;
    change.sequence = GetClipboardSequenceNumber();
    const HWND owner = GetClipboardOwner();
    const std::string program = ClipboardOwnerProgram(owner);
    if (excluded && excluded->Holds(program)) {
        change.content = ChangeContent::Private;
        change.detail = "copied by " + program + ", whose copies are left alone";
        return change;
    }
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
    ReadOpenClipboard(choice, change, spare);
    change.copied.program = program;
    // Taken while the clipboard is still open: nobody else can change it now,
    // and formats its owner rendered for this read count as part of it.
    change.sequence = GetClipboardSequenceNumber();
    return change;
}

} // namespace capture
