// The capture engine with the real viewer in the real clipboard-viewer chain:
// what any program may put on the clipboard, and what may go wrong around
// it, never stops the catching of the next picture.
#include "catcher/PictureSaver.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/AddedEntries.h"

#include "CaptureTestSupport.h"
#include "PngTestFiles.h"
#include "TestPictures.h"
#include "capture/JpegEncoder.h"
#include "capture/PngReader.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

using namespace capture_testing;
using testing_support::PumpMessages;
using testing_support::PumpUntil;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Sets formats with raw data, as any program may.
void PutRawOnClipboard(const std::vector<std::pair<UINT, Bytes>>& items) {
    ui::ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    EmptyClipboard();
    for (const auto& [format, bytes] : items) {
        ui::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(bytes.size(), 1)));
        {
            ui::GlobalLockGuard<std::uint8_t> lock(block.get());
            std::memcpy(lock.get(), bytes.data(), bytes.size());
        }
        if (SetClipboardData(format, block.get())) (void)block.release();
    }
}

Bytes V5Header(int width, int height, std::uint32_t alphaMask) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = width;
    header.bV5Height = -height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0xFF0000;
    header.bV5GreenMask = 0xFF00;
    header.bV5BlueMask = 0xFF;
    header.bV5AlphaMask = alphaMask;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&header);
    return Bytes(bytes, bytes + sizeof header);
}

Bytes InfoHeader(std::uint32_t size, int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = size;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&header);
    return Bytes(bytes, bytes + sizeof header);
}

// Left half transparent (as browsers offer it: colour 0, alpha 0), right half opaque red.
Bytes HalfTransparentRedDib(int width, int height) {
    Bytes dib = V5Header(width, height, 0xFF000000);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t opaque = x >= width / 2 ? 255 : 0;
            dib.insert(dib.end(), {0, 0, opaque, opaque});
        }
    return dib;
}

int GdiObjects() {
    return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}

class Engine : public CaptureTest {
  protected:
    void SetUp() override {
        CaptureTest::SetUp();
        EmptyTheClipboard();
        viewer.Load();
        PumpMessages(50);
    }
    static void EmptyTheClipboard() {
        ui::ClipboardSession clipboard;
        ASSERT_TRUE(clipboard.IsOpen());
        EmptyClipboard();
    }
    // Lets the viewer hear of the change and the worker save what it caught.
    void Settle(int milliseconds = 150) {
        PumpMessages(milliseconds);
        main.capture.engine.FinishSaves();
    }
    int LogsOf(int entry) {
        const std::string text = Entry(entry);
        int count = 0;
        for (int i = 0; i < main.lst_Log.ListCount(); ++i) count += LogMessage(i).rfind(text, 0) == 0;
        return count;
    }
    // Finished pictures only: an unfinished one is a temporary file.
    bool HasJpeg() const {
        const std::vector<std::string> files = SavedIn(1);
        return std::any_of(files.begin(), files.end(),
                           [](const std::string& f) { return f.ends_with(".jpg"); });
    }
    clipboard::ClipViewerForm& viewer = program.Viewer();
};

TEST_F(Engine, DamagedBitmapsAreRefusedWithoutLeaksAndTheNextPictureIsCaught) {
    Bytes lyingSize = InfoHeader(0xFFFFFFFF, 4, 4);
    lyingSize.resize(lyingSize.size() + 64);
    Bytes morePixelsThanData = InfoHeader(sizeof(BITMAPINFOHEADER), 1000, 1000);
    morePixelsThanData.resize(morePixelsThanData.size() + 300);
    Bytes hugeV5 = V5Header(60000, 60000, 0xFF000000);
    hugeV5.resize(hugeV5.size() + 64);
    const int gdiBefore = GdiObjects();
    PutRawOnClipboard({{CF_DIB, lyingSize}});
    Settle();
    PutRawOnClipboard({{CF_DIB, morePixelsThanData}});
    Settle();
    PutRawOnClipboard({{CF_DIBV5, hugeV5}});
    Settle();
    EXPECT_EQ(LogsOf(i18n::entry::kPictureRefused), 3);
    EXPECT_TRUE(SavedIn(1).empty());
    EXPECT_LE(GdiObjects(), gdiBefore) << "a refused bitmap makes no GDI object";

    PutBitmapOnClipboard(TestPicture(800, 600));
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 1u) << "the next picture is caught as usual";
    EXPECT_EQ(DecodeFile(SlotFolder(1) / SavedIn(1)[0]).width, 800);
}

TEST_F(Engine, ChangesMarkedPrivateAreNeitherCaughtNorLogged) {
    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    const UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
    const ui::Picture picture = TestPicture(700, 500);
    const Bytes dib = [&] {
        ui::UniqueGlobal packed = PackedDib(picture);
        ui::GlobalLockGuard<const std::uint8_t> lock(packed.get());
        return Bytes(lock.get(), lock.get() + lock.size());
    }();
    const int logLines = main.lst_Log.ListCount();
    PutRawOnClipboard({{CF_DIB, dib}, {exclude, Bytes{0}}});
    Settle();
    PutRawOnClipboard({{CF_DIB, dib}, {history, Bytes{0, 0, 0, 0}}});
    Settle();
    EXPECT_TRUE(SavedIn(1).empty());
    EXPECT_EQ(main.lst_Log.ListCount(), logLines) << "nothing of a private change reaches the log";
    EXPECT_NE(main.memory.lbl_Resolution.Caption(), "700 x 500 px");

    PutRawOnClipboard({{CF_DIB, dib}, {history, Bytes{1, 0, 0, 0}}});
    Settle();
    EXPECT_EQ(SavedIn(1).size(), 1u) << "a change that may go into the history is caught";
}

TEST_F(Engine, TransparentPictureIsSavedAsItLooksOnWhite) {
    constexpr int kWidth = 640, kHeight = 480;
    const Bytes dib = HalfTransparentRedDib(kWidth, kHeight);
    PutRawOnClipboard({{CF_DIBV5, dib}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 1u);
    const DecodedPicture saved = DecodeFile(SlotFolder(1) / SavedIn(1)[0]);
    ASSERT_EQ(saved.width, kWidth);
    // JPEG keeps colours within a step or two.
    const auto looks = [&](int x, int y, std::array<int, 3> colour) {
        const std::uint8_t* rgb = &saved.rgb[(static_cast<size_t>(y) * kWidth + x) * 3];
        for (int c = 0; c < 3; ++c)
            if (std::abs(rgb[c] - colour[c]) > 2) return false;
        return true;
    };
    EXPECT_TRUE(looks(10, 10, {255, 255, 255})) << "white where the picture is transparent";
    EXPECT_TRUE(looks(600, 400, {255, 0, 0}));
}

Bytes AsBytes(const std::string& file) {
    return Bytes(file.begin(), file.end());
}

// A PNG of the test pixels; `transparentLeft` clears the left half.
Bytes PngOf(int width, int height, unsigned seed, bool transparentLeft = false) {
    std::vector<std::uint32_t> argb = TestPixels(width, height, seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = argb[static_cast<size_t>(y) * width + x];
            pixel = transparentLeft && x < width / 2 ? 0 : (pixel | 0xFF000000u);
        }
    return AsBytes(EncodeRgbaPng(width, height, argb));
}

Bytes PackedDibOf(const ui::Picture& picture) {
    ui::UniqueGlobal packed = PackedDib(picture);
    ui::GlobalLockGuard<const std::uint8_t> lock(packed.get());
    return Bytes(lock.get(), lock.get() + lock.size());
}

TEST_F(Engine, PicturesOfferedAsPngOrJpegAreCaughtOnceFromTheirBestForm) {
    const UINT png = RegisterClipboardFormatA("PNG");
    const UINT jfif = RegisterClipboardFormatA("JFIF");

    PutRawOnClipboard({{png, PngOf(700, 500, 1)}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 1u) << "a picture offered only as PNG";
    EXPECT_EQ(DecodeFile(SlotFolder(1) / SavedIn(1)[0]).width, 700);
    EXPECT_NE(viewer.Caption().find("CF_BITMAP"), std::string::npos) << "the viewer shows it as a bitmap";

    // Beside it, the bitmap a browser makes of a transparent picture: black where it is transparent.
    PutRawOnClipboard({{png, PngOf(640, 480, 2, true)},
                       {CF_DIB, PackedDibOf(ui::Picture::FromFilledRows(640, 480, [](std::uint8_t* rows) {
                            std::memset(rows, 0, 640 * 480 * 4);
                        }))}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 2u);
    const DecodedPicture transparent = DecodeFile(SlotFolder(1) / SavedIn(1)[1]);
    ASSERT_EQ(transparent.width, 640);
    for (int c = 0; c < 3; ++c)
        EXPECT_GE(transparent.rgb[(100 * 640 + 10) * 3 + c], 253)
            << "the PNG was read: white where it is transparent";

    const std::vector<std::uint32_t> pixels = TestPixels(800, 600, 3);
    std::vector<std::uint8_t> bgrx;
    for (const std::uint32_t p : pixels)
        bgrx.insert(bgrx.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), 0});
    PutRawOnClipboard({{jfif, AsBytes(capture::EncodeJpeg({800, 600, 800 * 4, bgrx.data()}, 95))}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 3u) << "a picture offered only as JPEG";
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "800 x 600 px");

    PutRawOnClipboard({{CF_TEXT, Bytes{'c', 'e', 'l', 'l', 's', 0}}, {png, PngOf(600, 400, 4)}});
    Settle();
    EXPECT_EQ(SavedIn(1).size(), 3u) << "text offered before the picture is what the change holds";
}

TEST_F(Engine, DamagedOrHugePngFilesAreRefusedWithAReasonAndTheNextPictureIsCaught) {
    const UINT png = RegisterClipboardFormatA("PNG");
    Bytes damaged = PngOf(500, 400, 5);
    damaged.resize(damaged.size() / 2);
    PutRawOnClipboard({{png, damaged}});
    Settle();
    EXPECT_EQ(LogsOf(i18n::entry::kPictureRefused), 1);

    // 20000 x 20000 announced by a header whose checksum is right: refused by its size, named in the log.
    const Bytes huge = AsBytes(PatchChunk(std::string(damaged.begin(), damaged.end()), 8, 0,
                                          std::string("\0\0\x4E\x20\0\0\x4E\x20", 8)));
    PutRawOnClipboard({{png, huge}});
    Settle();
    EXPECT_EQ(LogMessage(main.lst_Log.ListCount() - 1),
              Entry(i18n::entry::kPictureTooLarge) + ": 20000 x 20000");
    EXPECT_TRUE(SavedIn(1).empty());

    // A damaged PNG beside a good bitmap: the bitmap is the picture.
    PutRawOnClipboard({{png, damaged}, {CF_DIB, PackedDibOf(TestPicture(800, 600, 6))}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 1u);
    EXPECT_EQ(DecodeFile(SlotFolder(1) / SavedIn(1)[0]).width, 800);
}

TEST_F(Engine, ALosslessSaveOfATransparentBitmapKeepsItsAlpha) {
    main.options.Check9.SetValue(1);
    // And one half-transparent blue pixel.
    constexpr int kWidth = 640, kHeight = 480;
    Bytes dib = HalfTransparentRedDib(kWidth, kHeight);
    std::memcpy(&dib[sizeof(BITMAPV5HEADER)], "\xFF\0\0\x80", 4);
    PutRawOnClipboard({{CF_DIBV5, dib}});
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 1u);
    ASSERT_TRUE(SavedIn(1)[0].ends_with(".png"));
    std::ifstream in(SlotFolder(1) / SavedIn(1)[0], std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), {});
    capture::PngReader reader(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    ASSERT_TRUE(reader.ReadHeader().ok());
    Bytes pixels(kWidth * kHeight * 4);
    ASSERT_TRUE(reader.ReadPixels(pixels.data()).ok());
    ASSERT_TRUE(reader.HasAlpha());
    EXPECT_EQ(Bytes(pixels.begin(), pixels.begin() + 4), (Bytes{255, 0, 0, 128}))
        << "half-transparent blue, as copied";
    EXPECT_EQ(pixels[(10 * kWidth + 10) * 4 + 3], 0) << "transparent stays transparent";
    EXPECT_EQ(Bytes(pixels.begin() + (10 * kWidth + 600) * 4, pixels.begin() + (10 * kWidth + 601) * 4),
              (Bytes{0, 0, 255, 255}));
}

TEST(PictureMemory, APictureOfTheSizeOfOneLetGoIsWrittenIntoItsMemory) {
    const auto filled = [](int width, int height, std::uint8_t value) {
        return ui::Picture::FromFilledRows(width, height, [&](std::uint8_t* rows) {
            std::memset(rows, value, static_cast<size_t>(width) * height * 4);
        });
    };
    const std::uint8_t* memory = nullptr;
    {
        const ui::Picture first = filled(640, 480, 1);
        memory = first.Bits();
    }
    const ui::Picture second = filled(640, 480, 2);
    EXPECT_EQ(second.Bits(), memory) << "the memory already used is used again";
    EXPECT_EQ(second.Bits()[640 * 480 * 4 - 1], 2);
    const ui::Picture third = filled(640, 480, 3);
    EXPECT_NE(third.Bits(), second.Bits()) << "a picture still held keeps its own";
    EXPECT_EQ(second.Bits()[0], 2);
}

// A program that joins the chain after this one and passes nothing on.
LRESULT CALLBACK SwallowingViewer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWCLIPBOARD || msg == WM_CHANGECBCHAIN) return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Joins the chain in front of the program and passes nothing on while it lives.
class SwallowerInFront {
  public:
    SwallowerInFront() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = SwallowingViewer;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SwallowingViewer";
        RegisterClassA(&windowClass);
        window_.reset(CreateWindowA("SwallowingViewer", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
        next_ = SetClipboardViewer(window_.get());
        PumpMessages(50);
    }
    ~SwallowerInFront() { ChangeClipboardChain(window_.get(), next_); }

  private:
    ui::UniqueWindow window_;
    HWND next_ = nullptr;
};

TEST_F(Engine, AViewerThatSwallowsNoticesIsHealedAndEveryPictureStillCaught) {
    SwallowerInFront swallower;
    PutBitmapOnClipboard(TestPicture(900, 600));
    PumpMessages(150);
    for (int i = 1; i < 5; ++i) {
        PutBitmapOnClipboard(TestPicture(900 + i, 600)); // before the chain is healed
        PumpMessages(150);
    }
    EXPECT_TRUE(PumpUntil([&] { return LogsOf(i18n::entry::kChainRepaired) == 1; }, 4000));
    Settle();
    ASSERT_EQ(SavedIn(1).size(), 5u) << "every picture copied behind the silent viewer is caught";
    EXPECT_EQ(GetClipboardViewer(), viewer.hWnd()) << "the program heads the chain again";
}

TEST_F(Engine, PicturesCaughtWhileABoxIsOpenWaitInBoundedMemoryAndTheRestAreKeptOnDisk) {
    const std::string keep = catcher::PictureSaver::KeepFolder();
    const std::filesystem::path keepFolder(std::u8string(keep.begin(), keep.end()));
    std::filesystem::remove_all(keepFolder);
    main.targets.FolderText(1).SetText((dir.Path() / "gone").string()); // every save fails: one box
    main.capture.engine.SetWaitingBytesLimit(2 * 640 * 480 * 4);        // two pictures may wait
    size_t keptWhileOpen = 0;
    dialogs.whileMessageOpen = [&] {
        for (int i = 1; i <= 4; ++i) {
            PutBitmapOnClipboard(TestPicture(640, 480, i));
            PumpMessages(100);
        }
        main.capture.engine.FinishSaves();
        keptWhileOpen = FilesIn(keepFolder).size();
    };
    PutBitmapOnClipboard(TestPicture(640, 480, 0));
    Settle(300);
    Settle(300);
    EXPECT_EQ(keptWhileOpen, 3u) << "the first picture, and the two that found no room to wait";
    EXPECT_EQ(FilesIn(keepFolder).size(), 5u) << "no picture is lost";
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    std::filesystem::remove_all(keepFolder);
}

// A listener that only counts what it hears.
class CountingListener final : public capture::CaptureListener {
  public:
    void PictureCaught(const capture::CaughtPicture&) override { ++caught; }
    void PictureMissed(const capture::ClipboardChange&) override {}
    bool ReadyForPicture() override { return true; }
    void ChainSilent() override {}
    void ChangesUnread(int) override {}
    void KeepWhileBusy(const capture::CaughtPicture&) override {}
    void SaveFinished(const capture::SaveResult&) override {}
    int caught = 0;
};

TEST_F(Engine, AnEngineEndingWhileItReadsAHugePictureEndsCleanly) {
    const auto programCaughtUp = [&] {
        PumpUntil([&] { return main.capture.engine.CaughtUp(); }, 10000);
        Settle();
    };
    PutBitmapOnClipboard(TestPicture(8000, 6000));
    programCaughtUp();
    const std::vector<std::string> before = AllFilesUnder(dir.Path());
    CountingListener listener;
    {
        capture::CaptureEngine engine(listener, 200, 150);
        engine.OnClipboardNotice(); // its reader starts on the picture
    }                               // and the engine ends at once
    PumpMessages(100);
    EXPECT_EQ(listener.caught, 0) << "nothing reaches a listener after its engine ended";
    EXPECT_EQ(AllFilesUnder(dir.Path()), before) << "nothing is left behind";
    programCaughtUp(); // the ended engine's read may have made a change of its own
    PutBitmapOnClipboard(TestPicture(640, 480, 3));
    Settle();
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "640 x 480 px") << "the program goes on catching";
}

// How many changes the log counted as gone by unread.
int UnreadLogged(const std::vector<std::string>& messages, const std::string& text) {
    int count = 0;
    for (const std::string& message : messages)
        if (message.starts_with(text + ": ")) count += std::atoi(message.c_str() + text.size() + 2);
    return count;
}

TEST_F(Engine, EveryChangeOfABurstIsCaughtOrCountedAsGoneByUnread) {
    // Only the engine's own listener hears of the changes, and only once the
    // window reads its messages again: the burst is over by then.
    SwallowerInFront swallower;
    main.lst_Log.Clear();
    constexpr int kBurst = 20;
    for (int i = 0; i < kBurst; ++i) {
        PutBitmapOnClipboard(TestPicture(640 + i, 480));
        Sleep(20);
    }
    // The unread ones are told once the burst is over: after two quiet watches.
    PumpMessages(2600);
    main.capture.engine.FinishSaves();
    std::vector<std::string> messages;
    for (int i = 0; i < main.lst_Log.ListCount(); ++i) messages.push_back(LogMessage(i));
    const int caught = static_cast<int>(SavedIn(1).size());
    EXPECT_GE(caught, 1) << "the last picture stayed and is caught";
    EXPECT_EQ(caught + UnreadLogged(messages, Entry(i18n::entry::kChangesUnread)), kBurst)
        << "no change goes by without a trace";
    EXPECT_EQ(LogsOf(i18n::entry::kChangesUnread), 1) << "one line for the burst";
}

TEST_F(Engine, AnOwnerThatNeverRendersItsDelayedBitmapIsGivenUpAndTheNextPictureCaught) {
    // Another program offers a bitmap to be rendered on request, then hangs.
    ui::UniqueHandle offered(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ui::UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread owner([&] {
        ui::UniqueWindow window(
            CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
        if (OpenClipboard(window.get())) {
            EmptyClipboard();
            SetClipboardData(CF_DIB, nullptr);
            CloseClipboard();
        }
        SetEvent(offered.get());
        WaitForSingleObject(release.get(), 30000); // hung: it answers no message
        ui::ClipboardSession clipboard(window.get());
        EmptyClipboard();
    });
    WaitForSingleObject(offered.get(), 5000);
    // The window's thread stays free meanwhile: a viewer that asked again
    // after every failed read kept it busy until the owner ended (30 s).
    const ULONGLONG waitStart = GetTickCount64();
    const bool givenUp = PumpUntil([&] { return LogsOf(i18n::entry::kChangeSkipped) >= 1; }, 10000);
    EXPECT_LT(GetTickCount64() - waitStart, 15000u)
        << "the window's thread was kept busy while the owner hung";
    SetEvent(release.get());
    owner.join();
    EXPECT_TRUE(givenUp) << "the change is given up and logged";

    // A retry of the given-up change may still be on its way when the owner ends.
    PumpUntil([&] { return main.capture.engine.CaughtUp(); }, 5000);
    PutBitmapOnClipboard(TestPicture(800, 600));
    EXPECT_TRUE(PumpUntil(
        [&] {
            main.capture.engine.FinishSaves();
            return SavedIn(1).size() == 1u;
        },
        5000))
        << "the next change is caught";
}

TEST_F(Engine, AMetafilePictureOfEndlessExtentsNeitherStallsTheViewerNorTheNextCatch) {
    // One rectangle, in a picture that claims extents of 0x7FFFFFFF.
    HDC recorder = CreateMetaFileA(nullptr);
    Rectangle(recorder, 0, 0, 100, 100);
    HMETAFILE metafile = CloseMetaFile(recorder);
    ASSERT_NE(metafile, nullptr);
    {
        ui::ClipboardSession clipboard;
        ASSERT_TRUE(clipboard.IsOpen());
        EmptyClipboard();
        ui::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT)));
        {
            ui::GlobalLockGuard<METAFILEPICT> picture(block.get());
            *picture.get() = METAFILEPICT{MM_ANISOTROPIC, 0x7FFFFFFF, 0x7FFFFFFF, metafile};
        }
        if (SetClipboardData(CF_METAFILEPICT, block.get())) (void)block.release();
    }
    const ULONGLONG shown = GetTickCount64();
    PumpMessages(200);
    viewer.Show(); // drawn where it can be seen, too
    PumpMessages(200);
    EXPECT_LT(GetTickCount64() - shown, 5000u) << "the viewer shows it within its budget";

    PutBitmapOnClipboard(TestPicture(800, 600));
    Settle();
    EXPECT_EQ(SavedIn(1).size(), 1u) << "the next picture is caught";
}

TEST_F(Engine, TheWindowAnswersWhileAHugePictureIsEncodedAndWritten) {
    main.options.Check3.SetValue(0);
    Capture(TestPicture(8000, 6000));
    main.saver.Save_Picture(1);
    // Another thread asks a window of the program again and again while the save runs.
    std::atomic<bool> done = false;
    std::atomic<int> unanswered = 0, asked = 0;
    std::thread asker([&] {
        while (!done) {
            DWORD_PTR ignored = 0;
            // A second is far less than the save takes, and far more than a
            // busy Wine server holds a message at times.
            if (!SendMessageTimeoutA(viewer.hWnd(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored)) ++unanswered;
            ++asked;
            Sleep(20);
        }
    });
    const bool finished = PumpUntil([&] { return HasJpeg(); }, 60000);
    done = true;
    asker.join();
    main.capture.engine.FinishSaves();
    ASSERT_TRUE(finished);
    EXPECT_GT(asked.load(), 0);
    EXPECT_EQ(unanswered.load(), 0)
        << "every message was answered within a second while the picture was saved";
    EXPECT_EQ(DecodeFile(SlotFolder(1) / SavedIn(1)[0]).width, 8000);
}

} // namespace
