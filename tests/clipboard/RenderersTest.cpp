// The renderers with real clipboard data, well-formed and damaged.
#include "ClipboardFixtures.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "clipboard/ClipViewerForm.h"
#include "clipboard/HookMe.h"
#include "clipboard/LocaleInfo.h"
#include "clipboard/LocaleText.h"
#include "clipboard/Renderers.h"
#include "notify/NotificationForm.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>

using namespace clipboard;
using namespace clipboard_testing;

namespace {

constexpr char kSentinel[] = "640 x 480 px";

class Renderers : public WithProgram {
  protected:
    void SetUp() override {
        viewer = &Viewer();
        Main().memory.lbl_Resolution.SetCaption(kSentinel);
        program->Notifications().lbl_Resolution.SetCaption(kSentinel);
        logBefore = LogLines().size();
    }
    std::vector<std::string> NewLogLines() {
        const std::vector<std::string> lines = LogLines();
        return {lines.begin() + static_cast<long>(std::min(logBefore, lines.size())), lines.end()};
    }
    // Both size labels hold the no-picture text and one log line ends in `ending`.
    void ExpectNoPictureReport(const std::string& ending) {
        EXPECT_EQ(Main().memory.lbl_Resolution.Caption(), NoPictureText());
        EXPECT_EQ(program->Notifications().lbl_Resolution.Caption(), NoPictureText());
        const std::vector<std::string> lines = NewLogLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.back().ends_with(" - " + NoPictureText() + ending)) << lines.back();
    }
    // Neither size label changed and no log line was written.
    void ExpectNoReport() {
        EXPECT_EQ(Main().memory.lbl_Resolution.Caption(), kSentinel);
        EXPECT_EQ(program->Notifications().lbl_Resolution.Caption(), kSentinel);
        EXPECT_TRUE(NewLogLines().empty());
    }
    HGDIOBJ TextFont() {
        return reinterpret_cast<HGDIOBJ>(SendMessageA(viewer->Text1.hWnd(), WM_GETFONT, 0, 0));
    }
    // The text box, as the screen shows it, holds no text: one colour only.
    bool TextBoxBlankOnScreen() {
        viewer->Show();
        RedrawWindow(viewer->hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        testing_support::PumpMessages(50);
        RECT box{};
        GetClientRect(viewer->Text1.hWnd(), &box);
        MapWindowPoints(viewer->Text1.hWnd(), nullptr, reinterpret_cast<POINT*>(&box), 2);
        const std::vector<COLORREF> pixels = testing_support::ScreenPixels(box);
        EXPECT_FALSE(pixels.empty());
        return std::all_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c == pixels.front(); });
    }
    bool StillHooked() { return HookedClient(viewer->hWnd()) != nullptr; }
    ClipViewerForm* viewer = nullptr;
    size_t logBefore = 0;
};

HANDLE DropFilesBlock(std::uint32_t listOffset, const std::string& list) {
    DROPFILES header{};
    header.pFiles = listOffset;
    return GlobalWith(std::string(reinterpret_cast<const char*>(&header), sizeof header) + list);
}

} // namespace

// --- Text ---------------------------------------------------------------------------------

TEST_F(Renderers, TextIsShownInTheVariableAnsiFontAndReportedAsNoPicture) {
    PutOnClipboard({TextItem("plain words")});
    EXPECT_EQ(viewer->Text1.Text(), "plain words");
    EXPECT_EQ(TextFont(), GetStockObject(ANSI_VAR_FONT));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_TEXT");
    ExpectNoPictureReport(", Text");
}

TEST_F(Renderers, OemTextUsesTheOemFixedFontAndDisplayTextTheDeviceFont) {
    const std::string text = "OEM words";
    PutOnClipboard({TextItem(text), {CF_DSPTEXT, GlobalWith("display text")}});
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "OEM Text"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_OEMTEXT");
    EXPECT_EQ(TextFont(), GetStockObject(OEM_FIXED_FONT));
    EXPECT_EQ(viewer->Text1.Text(), text) << "the plain text is shown for every text format";

    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Unknown: 129"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_DSPTEXT");
    EXPECT_EQ(TextFont(), GetStockObject(DEVICE_DEFAULT_FONT));
    EXPECT_EQ(viewer->Text1.Text(), text);
}

TEST_F(Renderers, WithoutLoggingTextStillMarksBothSizeLabels) {
    Main().options.Check8.SetValue(0);
    PutOnClipboard({TextItem("quiet")});
    EXPECT_EQ(Main().memory.lbl_Resolution.Caption(), NoPictureText());
    EXPECT_EQ(program->Notifications().lbl_Resolution.Caption(), NoPictureText());
    EXPECT_TRUE(NewLogLines().empty());
}

TEST_F(Renderers, TextWithoutItsTerminatingNulEndsAtTheBlock) {
    const std::string text = "no terminator";
    PutOnClipboard({{CF_TEXT, GlobalWith(text)}});
    // Some systems cut the last character for a NUL of their own.
    const std::string shown = viewer->Text1.Text();
    EXPECT_GE(shown.size(), text.size() - 1);
    EXPECT_EQ(text.rfind(shown, 0), 0u) << shown;
    EXPECT_TRUE(StillHooked());
}

// --- File lists --------------------------------------------------------------------------

TEST_F(Renderers, AFileListShowsOneLinePerFileInTheSystemFixedFont) {
    PutOnClipboard({FileListItem({"C:\\pictures\\one.jpg", "C:\\pictures\\two.bmp", "C:\\work"})});
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_HDROP");
    EXPECT_EQ(viewer->Text1.Text(), "C:\\pictures\\one.jpg\r\nC:\\pictures\\two.bmp\r\nC:\\work\r\n");
    EXPECT_TRUE(viewer->Text1.Visible());
    EXPECT_EQ(TextFont(), GetStockObject(SYSTEM_FIXED_FONT));
    ExpectNoPictureReport(", Files/Directories");
}

TEST_F(Renderers, AWideFileListIsShownInTheProgramsCodePage) {
    PutOnClipboard({FileListItem({"C:\\a.txt", "D:\\b"}, true)});
    EXPECT_EQ(viewer->Text1.Text(), "C:\\a.txt\r\nD:\\b\r\n");
}

TEST_F(Renderers, AnEmptyFileListGivesAnEmptyBoxAndStillMarksTheLabels) {
    PutOnClipboard({FileListItem({})});
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_HDROP");
    EXPECT_EQ(viewer->Text1.Text(), "");
    ExpectNoPictureReport(", Files/Directories");
}

TEST_F(Renderers, MalformedFileListsShowNothingAndAreNeverReadPastTheirBlock) {
    const std::pair<const char*, HANDLE> cases[] = {
        {"a list offset past the block", DropFilesBlock(100000, std::string("C:\\x\0\0", 6))},
        {"a name without its end", DropFilesBlock(sizeof(DROPFILES), std::string(64, 'A'))},
        {"a block shorter than its header", GlobalWith("abc")},
    };
    for (const auto& [rule, block] : cases) {
        PutOnClipboard({TextItem("the text shown before")});
        ASSERT_FALSE(TextBoxBlankOnScreen()) << "the text before is on screen";
        logBefore = LogLines().size();
        PutOnClipboard({{CF_HDROP, block}});
        EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: No Supported Format") << rule;
        EXPECT_EQ(viewer->Text1.Text(), "") << rule;
        EXPECT_TRUE(TextBoxBlankOnScreen()) << rule << ": nothing of the text before stays on screen";
        ExpectNoPictureReport(", Files/Directories");
        EXPECT_TRUE(StillHooked()) << rule;
    }
}

TEST_F(Renderers, HugeFileListsAndTextsShowTheirFirstTenThousandLinesAndCountTheRest) {
    std::vector<std::string> names;
    for (int i = 0; i < 100000; ++i) names.push_back("C:\\f\\" + std::to_string(i));
    PutOnClipboard({FileListItem(names, true)});
    std::string shown = viewer->Text1.Text();
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_HDROP");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 10000);
    EXPECT_TRUE(shown.starts_with("C:\\f\\0\r\nC:\\f\\1\r\n")) << shown.substr(0, 40);
    EXPECT_TRUE(shown.ends_with("\r\nC:\\f\\9999\r\n... and 90000 more")) << shown.substr(shown.size() - 40);

    std::string text;
    for (int i = 0; i < 500000; ++i) text += "line " + std::to_string(i) + "\r\n";
    PutOnClipboard({TextItem(text)});
    shown = viewer->Text1.Text();
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 10000);
    EXPECT_TRUE(shown.starts_with("line 0\r\nline 1\r\n")) << shown.substr(0, 40);
    EXPECT_TRUE(shown.ends_with("\r\nline 9999\r\n... and 490000 more")) << shown.substr(shown.size() - 40);
    EXPECT_TRUE(StillHooked());
}

// --- Locale -----------------------------------------------------------------------------------

TEST_F(Renderers, ALocaleIsDescribedInTheAnsiFixedFont) {
    const DWORD usEnglish = 0x0409;
    PutOnClipboard({{CF_LOCALE, GlobalWith(&usEnglish, sizeof usEnglish)}});
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Locale Identifier"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_LOCALE");
    EXPECT_EQ(viewer->Text1.Text(), LocaleInfoText(usEnglish));
    EXPECT_EQ(viewer->Text1.Text().rfind("Locale ID: 0409\r\nCountry: United States  (USA)\r\nLanguage: ", 0),
              0u);
    EXPECT_EQ(TextFont(), GetStockObject(ANSI_FIXED_FONT));
    ExpectNoPictureReport(", Locale");
}

TEST_F(Renderers, ALocaleBlockShorterThanFourBytesShowsNothing) {
    PutOnClipboard({TextItem("the text shown before"), {CF_LOCALE, GlobalWith("\x09\x04", 2)}});
    ASSERT_EQ(viewer->Caption(), "Clipboard Viewer: CF_TEXT");
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Locale Identifier"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_EQ(viewer->Text1.Text(), "");
    EXPECT_TRUE(TextBoxBlankOnScreen()) << "nothing of the text before stays on screen";
    ExpectNoPictureReport(", Locale");
    EXPECT_TRUE(StillHooked());
}

TEST(LocaleInfo, UsEnglishStartsWithItsIdCountryAndLanguage) {
    const std::string text = LocaleInfoText(0x0409);
    EXPECT_EQ(text.rfind("Locale ID: 0409\r\nCountry: United States  (USA)\r\nLanguage: English", 0), 0u)
        << text;
    EXPECT_NE(text.find(")\r\n\r\nDecimal: .\r\nThousands: ,\r\nCurrency: $\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
}

TEST(LocaleInfo, AnUnknownLocaleGivesEveryLabelWithAnEmptyValue) {
    EXPECT_EQ(LocaleInfoText(0x7FFF1234), LocaleDescription({}));
}

// --- Pictures ------------------------------------------------------------------------------------

TEST_F(Renderers, BitmapsOfOnePixelAndOfMoreThan32767PixelsAreShown) {
    PutOnClipboard({BitmapItem(1, 1, RGB(10, 200, 30))});
    WaitForTheRead();
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_BITMAP");
    EXPECT_EQ(viewer->Picture1.GetPicture().Width(), 1);
    EXPECT_EQ(PixelOf(*viewer, 0, 0), RGB(10, 200, 30));

    PutOnClipboard({BitmapItem(40000, 2, RGB(250, 240, 0))});
    WaitForTheRead();
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_BITMAP");
    EXPECT_EQ(viewer->Picture1.GetPicture().Width(), 40000);
    EXPECT_EQ(PixelOf(*viewer, 3, 1), RGB(250, 240, 0));
    EXPECT_TRUE(StillHooked());
}

TEST_F(Renderers, ADibThatClaimsMoreThanItHoldsShowsNothing) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 40000;
    header.biHeight = 40000;
    header.biPlanes = 1;
    header.biBitCount = 32;
    PutOnClipboard(
        {{CF_DIB, GlobalWith(std::string(reinterpret_cast<const char*>(&header), sizeof header) + "tiny")}});
    EXPECT_TRUE(viewer->Picture1.GetPicture().Empty());
    EXPECT_TRUE(StillHooked());
}

TEST_F(Renderers, AMetafilePictureIsDrawnToTheBoxWithoutReport) {
    PutOnClipboard({MetafilePictItem(RGB(0, 160, 0))});
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Metafile (WMF)"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_METAFILEPICT");
    EXPECT_TRUE(viewer->Picture1.GetPicture().IsMetafile());
    const SIZE box = viewer->Picture1.ClientPixels();
    EXPECT_EQ(PixelOf(*viewer, box.cx / 2, box.cy / 2), RGB(0, 160, 0));
    logBefore = LogLines().size();
    Main().memory.lbl_Resolution.SetCaption(kSentinel);
    program->Notifications().lbl_Resolution.SetCaption(kSentinel);
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Metafile (WMF)"));
    ExpectNoReport();
}

TEST_F(Renderers, AnEnhancedMetafileIsPlayedWithinItsBoundsWithoutReport) {
    PutOnClipboard({EnhMetafileItem({20, 20, 60, 50}, RGB(220, 0, 0))});
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_ENHMETAFILE");
    EXPECT_EQ(PixelOf(*viewer, 40, 35), RGB(220, 0, 0));
    EXPECT_NE(PixelOf(*viewer, 5, 5), RGB(220, 0, 0)) << "drawn where its bounds say, not over the whole box";
    EXPECT_NE(PixelOf(*viewer, 100, 100), RGB(220, 0, 0));
    ExpectNoReport();
}

namespace {

// A real metafile of a filled box, with its header changed by `damage`.
HENHMETAFILE DamagedMetafile(const std::function<void(ENHMETAHEADER&)>& damage) {
    ui::UniqueEnhMetaFile metafile(
        static_cast<HENHMETAFILE>(EnhMetafileItem({10, 10, 50, 50}, RGB(1, 2, 3)).data));
    std::vector<BYTE> bytes(GetEnhMetaFileBits(metafile.get(), 0, nullptr));
    GetEnhMetaFileBits(metafile.get(), static_cast<UINT>(bytes.size()), bytes.data());
    damage(*reinterpret_cast<ENHMETAHEADER*>(bytes.data()));
    return SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
}

} // namespace

TEST_F(Renderers, AnEnhancedMetafileWithADamagedHeaderNeverFailsTheViewer) {
    struct Case {
        const char* rule;
        std::function<void(ENHMETAHEADER&)> damage;
        bool shown;
    };
    const Case cases[] = {
        {"bounds of the whole coordinate space",
         [](ENHMETAHEADER& h) {
             h.rclBounds = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
         },
         true},
        {"bounds upside down",
         [](ENHMETAHEADER& h) {
             h.rclBounds = {50, 50, 10, 10};
         },
         true},
        {"an empty frame",
         [](ENHMETAHEADER& h) {
             h.rclFrame = {0, 0, 0, 0};
         },
         true},
        {"a device of no size",
         [](ENHMETAHEADER& h) {
             h.szlDevice = {0, 0};
             h.szlMillimeters = {0, 0};
         },
         true},
        {"a header record longer than the file", [](ENHMETAHEADER& h) { h.nSize = 0x10000; }, false},
        {"a record count far too large", [](ENHMETAHEADER& h) { h.nRecords = 0x7FFFFFFF; }, false},
        {"a handle table of no entries", [](ENHMETAHEADER& h) { h.nHandles = 0; }, false},
        {"a description outside the file",
         [](ENHMETAHEADER& h) {
             h.nDescription = 1000;
             h.offDescription = 0xFFFFFFF0;
         },
         false},
        {"palette entries that are not there", [](ENHMETAHEADER& h) { h.nPalEntries = 100000; }, false},
    };
    for (const Case& c : cases) {
        HENHMETAFILE metafile = DamagedMetafile(c.damage);
        ASSERT_NE(metafile, nullptr) << c.rule;
        PutOnClipboard({{CF_ENHMETAFILE, metafile}});
        EXPECT_EQ(viewer->Caption(),
                  c.shown ? "Clipboard Viewer: CF_ENHMETAFILE" : "Clipboard Viewer: No Supported Format")
            << c.rule;
        EXPECT_TRUE(StillHooked()) << c.rule;
    }
    PutOnClipboard({TextItem("still watching")});
    EXPECT_EQ(viewer->Text1.Text(), "still watching");
}

namespace {

// A metafile of one POLYLINE16 record that claims `points` points but holds one.
HENHMETAFILE PolylineMetafile(DWORD points) {
    ENHMETAHEADER header{};
    header.iType = EMR_HEADER;
    header.nSize = sizeof header;
    header.rclBounds = {0, 0, 60, 60};
    header.rclFrame = {0, 0, 1600, 1600};
    header.dSignature = ENHMETA_SIGNATURE;
    header.nVersion = 0x10000;
    header.nRecords = 3;
    header.nHandles = 1;
    header.szlDevice = {1024, 768};
    header.szlMillimeters = {270, 203};
    EMRPOLYLINE16 line{};
    line.emr = {EMR_POLYLINE16, sizeof line};
    line.rclBounds = header.rclBounds;
    line.cpts = points;
    line.apts[0] = {60, 60};
    EMREOF eof{};
    eof.emr = {EMR_EOF, sizeof eof};
    eof.offPalEntries = 16;
    eof.nSizeLast = sizeof eof;
    header.nBytes = sizeof header + sizeof line + sizeof eof;
    std::string bytes = std::string(reinterpret_cast<const char*>(&header), sizeof header) +
                        std::string(reinterpret_cast<const char*>(&line), sizeof line) +
                        std::string(reinterpret_cast<const char*>(&eof), sizeof eof);
    return SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
}

} // namespace

TEST_F(Renderers, AnEnhancedMetafileWhoseRecordLiesIsNeverPlayed) {
    PutOnClipboard({{CF_ENHMETAFILE, PolylineMetafile(1)}});
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_ENHMETAFILE") << "the honest form is played";
    PutOnClipboard({{CF_ENHMETAFILE, PolylineMetafile(100000)}});
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_TRUE(StillHooked());
    PutOnClipboard({TextItem("still watching")});
    EXPECT_EQ(viewer->Text1.Text(), "still watching");
}

// --- Palette ---------------------------------------------------------------------------------------

TEST_F(Renderers, APaletteIsAGridOfSixteenBySixteenEntriesRowByRow) {
    viewer->Show();
    PutOnClipboard({PaletteItem()});
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Palette"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_PALETTE");
    const SIZE box = viewer->Picture1.ClientPixels();
    for (int entry : {0, 1, 15, 16, 17, 100, 255}) {
        const int row = entry / 16, column = entry % 16;
        const int x = static_cast<int>((column + 0.5) * box.cx / 16),
                  y = static_cast<int>((row + 0.5) * box.cy / 16);
        EXPECT_EQ(PixelOf(*viewer, x, y), PaletteColour(entry)) << "entry " << entry;
    }
    ExpectNoPictureReport(", Palette");
}

TEST_F(Renderers, ASmallPaletteIsDrawnWithoutFailing) {
    PutOnClipboard({PaletteItem(4)});
    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Palette"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_PALETTE");
    EXPECT_EQ(PixelOf(*viewer, 2, 2), PaletteColour(0));
    EXPECT_TRUE(StillHooked());
}

// --- Owner display -----------------------------------------------------------------------------------

namespace {

// The owner of owner-display data: answers the size and paint requests.
class DisplayOwner {
  public:
    DisplayOwner() : hwnd(MakeTestWindow("VellicorTestDisplayOwner", &DisplayOwner::Proc, this)) {}
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<DisplayOwner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_SIZECLIPBOARD) {
            self->sizeViewer = reinterpret_cast<HWND>(wParam);
            ui::GlobalLockGuard<RECT> rect(reinterpret_cast<HGLOBAL>(lParam));
            if (rect.get()) self->size = *rect.get();
            return 0;
        }
        if (self && msg == WM_PAINTCLIPBOARD) {
            self->paintViewer = reinterpret_cast<HWND>(wParam);
            ui::GlobalLockGuard<PAINTSTRUCT> paint(reinterpret_cast<HGLOBAL>(lParam));
            if (paint.get()) {
                self->paint = *paint.get();
                ui::UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 200)));
                FillRect(paint.get()->hdc, &paint.get()->rcPaint, brush.get());
            }
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ui::UniqueWindow hwnd;
    HWND sizeViewer = nullptr, paintViewer = nullptr;
    RECT size{-1, -1, -1, -1};
    PAINTSTRUCT paint{};
};

} // namespace

TEST_F(Renderers, OwnerDisplayAsksTheOwnerToSizeAndPaintIntoTheBox) {
    DisplayOwner owner;
    PutOnClipboard({{CF_OWNERDISPLAY, nullptr}}, owner.hwnd.get());
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: CF_OWNERDRAW");
    EXPECT_EQ(owner.sizeViewer, viewer->hWnd());
    EXPECT_EQ(owner.paintViewer, viewer->hWnd());
    const SIZE box = viewer->Picture1.ClientPixels();
    EXPECT_EQ(owner.size.right, box.cx);
    EXPECT_EQ(owner.size.bottom, box.cy);
    EXPECT_EQ(owner.paint.hdc, viewer->Picture1.hDC());
    EXPECT_TRUE(owner.paint.fErase);
    EXPECT_EQ(owner.paint.rcPaint.right, box.cx);
    EXPECT_EQ(PixelOf(*viewer, box.cx / 2, box.cy / 2), RGB(0, 0, 200));
    ExpectNoPictureReport(", Owner-Display");
    EmptyTheClipboard(); // before the owner goes
}

// --- A busy clipboard ---------------------------------------------------------------------------------

TEST_F(Renderers, AClipboardHeldOpenElsewhereMakesEveryReaderReturnFalse) {
    const DWORD usEnglish = 0x0409;
    PutOnClipboard({TextItem("held"),
                    FileListItem({"C:\\x"}),
                    {CF_LOCALE, GlobalWith(&usEnglish, 4)},
                    BitmapItem(8, 8, RGB(9, 9, 9)),
                    EnhMetafileItem({0, 0, 9, 9}, RGB(1, 1, 1)),
                    PaletteItem()});
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    logBefore = LogLines().size();
    EXPECT_FALSE(ShowText(CF_TEXT, viewer->Text1));
    EXPECT_FALSE(ShowFileList(viewer->Text1));
    EXPECT_FALSE(ShowLocale(viewer->Text1));
    EXPECT_FALSE(ShowPicture(CF_BITMAP, viewer->Picture1));
    EXPECT_FALSE(ShowPicture(CF_ENHMETAFILE, viewer->Picture1));
    EXPECT_FALSE(ShowPicture(CF_METAFILEPICT, viewer->Picture1));
    EXPECT_FALSE(ShowPalette(viewer->Picture1));
    testing_support::PumpUntil([&] { return NewLogLines().size() >= 5; },
                               3000); // the reader's word comes last
    EXPECT_EQ(NewLogLines().size(), 5u) << "text, file list, locale and palette still report no picture; the "
                                           "bitmap's change is reported skipped";

    ASSERT_TRUE(ChooseMenuItem(*viewer, "&Display", "Dropped Filelist"));
    EXPECT_EQ(viewer->Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_TRUE(StillHooked());
}

TEST_F(Renderers, AnyOtherFormatIsNoPicture) {
    PutOnClipboard({BitmapItem(2, 2, RGB(0, 0, 0))});
    EXPECT_FALSE(ShowPicture(CF_DIB, viewer->Picture1));
    EXPECT_FALSE(ShowPicture(CF_PALETTE, viewer->Picture1));
}
