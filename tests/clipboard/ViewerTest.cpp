// The viewer window: the automatic choice, the Display menu, the File and
// Edit menus and the layout.
#include "ClipboardFixtures.h"

#include "app/MainForm.h"
#include "clipboard/ClipViewerForm.h"
#include "clipboard/DisplayMenu.h"
#include "clipboard/HookMe.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>

using namespace clipboard;
using namespace clipboard_testing;

namespace {

class Viewer : public WithProgram {
  protected:
    // The captions of the checked Display menu items ("Auto" included).
    std::vector<std::string> CheckedDisplayItems() {
        ClipViewerForm& viewer = WithProgram::Viewer();
        std::vector<std::string> checked;
        if (viewer.mnuDisplayAuto.checked) checked.push_back(viewer.mnuDisplayAuto.caption);
        for (ui::MenuItem* item : viewer.mnuDisplay.Items())
            if (item->checked) checked.push_back(item->caption);
        return checked;
    }
    std::vector<std::string> DisplayCaptions() {
        std::vector<std::string> captions;
        for (ui::MenuItem* item : WithProgram::Viewer().mnuDisplay.Items()) captions.push_back(item->caption);
        return captions;
    }
    static bool Contains(const std::vector<std::string>& list, const std::string& wanted) {
        return std::find(list.begin(), list.end(), wanted) != list.end();
    }
};

std::string ItemTag(ClipViewerForm& viewer, const std::string& caption) {
    for (ui::MenuItem* item : viewer.mnuDisplay.Items())
        if (item->caption == caption) return item->tag;
    return "(none)";
}

// The pixels of a text drawn as a menu draws its items' text (DrawText, with
// "&" marking the access key unless DT_NOPREFIX is given).
std::vector<COLORREF> DrawnText(const std::string& text, UINT flags) {
    constexpr int kWidth = 400, kHeight = 24;
    ui::ScopedGetDC screen(nullptr);
    ui::UniqueDC dc(CreateCompatibleDC(screen));
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, kWidth, kHeight));
    ui::ScopedSelectObject selectBitmap(dc.get(), bitmap.get());
    ui::ScopedSelectObject selectFont(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    RECT rect{0, 0, kWidth, kHeight};
    FillRect(dc.get(), &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | flags);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
    return pixels;
}

bool Hooked(const ClipViewerForm& viewer) {
    return HookedClient(viewer.hWnd()) != nullptr;
}

} // namespace

TEST_F(Viewer, EmptyClipboardReadsClipboardIsEmptyWithTheDisplayMenuDisabled) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: Clipboard is Empty");
    EXPECT_FALSE(viewer.mnuMain[2].enabled);
    ASSERT_EQ(viewer.mnuDisplay.Count(), 1u);
    EXPECT_EQ(viewer.mnuDisplay[0].caption, "Empty");
    EXPECT_FALSE(viewer.mnuDisplay[0].enabled);
    EXPECT_TRUE(viewer.Picture1.Visible());
    EXPECT_FALSE(viewer.Text1.Visible());
    EXPECT_TRUE(GetMenuState(viewer.MenuHandle(), 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(MenuCaptions(GetSubMenu(viewer.MenuHandle(), 2)),
              (std::vector<std::string>{"Auto", "-", "Empty"}));
    EXPECT_TRUE(GetMenuState(GetSubMenu(viewer.MenuHandle(), 2), 2, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(Viewer, MenuBarHoldsFileEditAndDisplayWithTheirItems) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    HMENU bar = viewer.MenuHandle();
    EXPECT_EQ(MenuCaptions(bar), (std::vector<std::string>{"&File", "&Edit", "&Display"}));
    EXPECT_EQ(MenuCaptions(GetSubMenu(bar, 0)),
              (std::vector<std::string>{"&New Window", "-", "&Close", "E&xit"}));
    EXPECT_EQ(MenuCaptions(GetSubMenu(bar, 1)), std::vector<std::string>{"&Delete"});
    EXPECT_EQ(viewer.mnuDisplay[0].caption, "Empty");
}

TEST_F(Viewer, TextIsShownInTheTextBoxWithOnlyAutoChecked) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({TextItem("Hello, clipboard\r\nsecond line")});
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(viewer.CurrentFormat, 1);
    EXPECT_TRUE(viewer.Text1.Visible());
    EXPECT_FALSE(viewer.Picture1.Visible());
    EXPECT_EQ(viewer.Text1.Text(), "Hello, clipboard\r\nsecond line");
    EXPECT_TRUE(viewer.mnuMain[2].enabled);
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"});
    EXPECT_EQ(DisplayCaptions().front(), "Text (TXT)") << "items follow the clipboard's own order";
    EXPECT_EQ(ItemTag(viewer, "Text (TXT)"), "1");
    EXPECT_EQ(static_cast<int>(viewer.mnuDisplay.Count()), CountClipboardFormats());
    // The real menu shows the same items after "Auto" and the bar.
    std::vector<std::string> expected{"Auto", "-"};
    for (const std::string& caption : DisplayCaptions()) expected.push_back(caption);
    EXPECT_EQ(MenuCaptions(GetSubMenu(viewer.MenuHandle(), 2)), expected);
    EXPECT_TRUE(GetMenuState(GetSubMenu(viewer.MenuHandle(), 2), 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(Viewer, TextWithABitmapShowsTheTextAndTheBitmapWhenChosen) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({TextItem("words first"), BitmapItem(40, 30, RGB(200, 0, 0))});
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_TRUE(viewer.Picture1.GetPicture().Empty());

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Bitmap (BMP)"));
    WaitForTheRead();
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_BITMAP");
    EXPECT_EQ(viewer.CurrentFormat, 2);
    EXPECT_TRUE(viewer.Picture1.Visible());
    EXPECT_FALSE(viewer.Text1.Visible());
    EXPECT_EQ(viewer.Picture1.GetPicture().Width(), 40);
    EXPECT_EQ(viewer.Picture1.GetPicture().Height(), 30);
    EXPECT_EQ(PixelOf(viewer, 5, 5), RGB(200, 0, 0));
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Bitmap (BMP)"});
    EXPECT_FALSE(GetMenuState(GetSubMenu(viewer.MenuHandle(), 2), 0, MF_BYPOSITION) & MF_CHECKED);

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Auto"));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"});
}

TEST_F(Viewer, ABitmapAloneIsShownAutomatically) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({BitmapItem(64, 48, RGB(0, 128, 255))});
    WaitForTheRead();
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_BITMAP");
    EXPECT_EQ(viewer.CurrentFormat, 2);
    EXPECT_EQ(viewer.Picture1.GetPicture().Width(), 64);
    EXPECT_EQ(PixelOf(viewer, 63, 47), RGB(0, 128, 255));
    EXPECT_TRUE(Contains(DisplayCaptions(), "Bitmap (BMP)"));
    EXPECT_EQ(ItemTag(viewer, "Bitmap (BMP)"), "2");
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"});
}

TEST_F(Viewer, APaletteAloneReadsNoSupportedFormatUntilPaletteIsChosen) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({PaletteItem()});
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_EQ(viewer.CurrentFormat, -1);
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"});
    EXPECT_EQ(DisplayCaptions(), std::vector<std::string>{"Palette"});
    EXPECT_EQ(ItemTag(viewer, "Palette"), "9");

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Palette"));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_PALETTE");
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Palette"});
}

TEST_F(Viewer, ARegisteredFormatIsListedByItsNameAndIdAndFallsBackToTheAutomaticChoice) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    const UINT id = RegisterClipboardFormatA("Vellicor Test Format");
    ASSERT_GE(id, 0xC000u);
    PutOnClipboard({{id, GlobalWith("payload")}});
    const std::string name = "Vellicor Test Format  (" + std::to_string(id) + ")";
    EXPECT_EQ(DisplayCaptions(), std::vector<std::string>{name});
    EXPECT_EQ(ItemTag(viewer, name), std::to_string(id));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: No Supported Format");

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", name));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"})
        << "the automatic choice was shown instead";
}

TEST_F(Viewer, AFormatNameWithAnAmpersandIsShownLiterallyInTheDisplayMenu) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    const UINT id = RegisterClipboardFormatA("Name & Ampersand");
    ASSERT_GE(id, 0xC000u);
    PutOnClipboard({{id, GlobalWith("payload")}});
    const std::vector<std::string> items = MenuCaptions(GetSubMenu(viewer.MenuHandle(), 2));
    ASSERT_EQ(items.size(), 3u);
    const std::string name = "Name & Ampersand  (" + std::to_string(id) + ")";
    EXPECT_TRUE(DrawnText(items[2], 0) == DrawnText(name, DT_NOPREFIX))
        << "the menu shows the name, not an access key";
    EXPECT_FALSE(DrawnText(name, 0) == DrawnText(name, DT_NOPREFIX)) << "the comparison tells the two apart";
    EXPECT_EQ(ClipboardFormatName(id), name);
    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", items[2]));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: No Supported Format");
}

TEST_F(Viewer, APredefinedFormatWithoutANameIsListedAsUnknown) {
    WithProgram::Viewer();
    PutOnClipboard({DibV5Item()});
    WaitForTheRead(); // a picture is shown once the reader has read it
    EXPECT_TRUE(Contains(DisplayCaptions(), "Unknown: 17"));
    EXPECT_EQ(ClipboardFormatName(17), "Unknown: 17");
    EXPECT_EQ(ClipboardFormatName(142), "Unknown: 142");
    EXPECT_EQ(ClipboardFormatName(CF_DIB), "Device Independent Bitmap (DIB)");
}

TEST_F(Viewer, ChoosingAFormatWithoutRendererShowsTheAutomaticChoiceWithOnlyAutoChecked) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard(
        {TextItem("plain"), {CF_DIB, GlobalWith(std::string(sizeof(BITMAPINFOHEADER) + 4, '\0'))}});
    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Bitmap (BMP)")) << "leave the automatic choice first";
    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Device Independent Bitmap (DIB)"));
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(viewer.CurrentFormat, 1);
    EXPECT_EQ(CheckedDisplayItems(), std::vector<std::string>{"Auto"});
}

TEST_F(Viewer, AnEnhancedMetafileBeatsABitmap) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({EnhMetafileItem({0, 0, 20, 20}, RGB(0, 0, 255)), BitmapItem(10, 10, RGB(255, 0, 0))});
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_ENHMETAFILE");
    EXPECT_EQ(viewer.CurrentFormat, 14);
}

TEST_F(Viewer, DeleteAsksAndEmptiesTheClipboardOnlyOnYes) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    PutOnClipboard({TextItem("keep or not")});
    dialogs.messageAnswers = {ui::MsgAnswer::No, ui::MsgAnswer::Yes};

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Edit", "&Delete"));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const testing_support::DialogCall question = dialogs.Messages()[0];
    EXPECT_EQ(question.text, "Clear contents of the Clipboard?");
    EXPECT_EQ(question.title, "Clear Clipboard");
    EXPECT_EQ(question.buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(question.icon, ui::MsgIcon::Question);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

    ASSERT_TRUE(ChooseMenuItem(viewer, "&Edit", "&Delete"));
    EXPECT_EQ(CountClipboardFormats(), 0);
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: Clipboard is Empty");
    EXPECT_FALSE(viewer.mnuMain[2].enabled);
}

TEST_F(Viewer, ResizingRedrawsThePaletteGridButNeverShowsABitmapAgain) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    viewer.Show();
    PutOnClipboard({PaletteItem()});
    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Palette"));
    const size_t logBefore = LogLines().size();
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 500, 420, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE box = viewer.Picture1.ClientPixels();
    EXPECT_EQ(PixelOf(viewer, box.cx - 2, box.cy - 2), PaletteColour(255)) << "the grid fills the new size";
    EXPECT_EQ(LogLines().size(), logBefore + 1) << "the palette was shown again";

    PutOnClipboard({BitmapItem(30, 30, RGB(1, 2, 3))});
    WaitForTheRead();
    const std::uint8_t* shownBits = viewer.Picture1.GetPicture().Bits();
    ASSERT_NE(shownBits, nullptr);
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 420, 380, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(viewer.Picture1.GetPicture().Bits(), shownBits) << "the bitmap was not read again";
}

TEST_F(Viewer, DisplayControlsShareOneRectangleWithTheSameMarginOnEverySide) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    viewer.Show();
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 480, 360, SWP_NOMOVE | SWP_NOZORDER);
    const int margin = viewer.Picture1.Left();
    EXPECT_GT(margin, 0);
    EXPECT_EQ(viewer.Picture1.Top(), margin);
    EXPECT_EQ(viewer.Picture1.Width(), viewer.ScaleWidth() - 2 * margin);
    EXPECT_EQ(viewer.Picture1.Height(), viewer.ScaleHeight() - 2 * margin);
    EXPECT_EQ(viewer.Text1.Left(), viewer.Picture1.Left());
    EXPECT_EQ(viewer.Text1.Top(), viewer.Picture1.Top());
    EXPECT_EQ(viewer.Text1.Width(), viewer.Picture1.Width());
    EXPECT_EQ(viewer.Text1.Height(), viewer.Picture1.Height());
}

TEST_F(Viewer, TinyAndMinimisedWindowsLayOutWithoutFailing) {
    ClipViewerForm& viewer = WithProgram::Viewer();
    viewer.Show();
    PutOnClipboard({PaletteItem()});
    ASSERT_TRUE(ChooseMenuItem(viewer, "&Display", "Palette"));
    // As small as the system lets it be: the inner height is below two margins.
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_LT(viewer.ScaleHeight(), 2 * viewer.Picture1.Top());
    EXPECT_EQ(viewer.Picture1.Height(), 0);
    EXPECT_EQ(viewer.Text1.Height(), 0);
    ShowWindow(viewer.hWnd(), SW_MINIMIZE);
    EXPECT_EQ(viewer.Picture1.Width(), 0);
    EXPECT_EQ(viewer.Picture1.Height(), 0);
    ShowWindow(viewer.hWnd(), SW_RESTORE);
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(viewer.Picture1.Width(), 0);
    EXPECT_TRUE(Hooked(viewer)) << "no step failed";
    PutOnClipboard({TextItem("still watching")});
    EXPECT_EQ(viewer.Text1.Text(), "still watching");
}

TEST_F(Viewer, NamingFollowsTheFormatsFoundEvenWhenTheClipboardChangedSinceCounting) {
    ui::MenuArray menu("ClipFormat");
    NameDisplayItems(menu, {CF_TEXT, CF_BITMAP, CF_PALETTE}); // counted one, found three
    ASSERT_EQ(menu.Count(), 3u);
    EXPECT_EQ(menu[0].caption, "Text (TXT)");
    EXPECT_EQ(menu[1].caption, "Bitmap (BMP)");
    EXPECT_EQ(menu[2].caption, "Palette");
    EXPECT_EQ(menu[2].tag, "9");
    EXPECT_TRUE(menu[2].enabled);

    NameDisplayItems(menu, {CF_HDROP}); // counted three, found one
    ASSERT_EQ(menu.Count(), 1u);
    EXPECT_EQ(menu[0].caption, "Dropped Filelist");

    NameDisplayItems(menu, {}); // emptied in between
    ASSERT_EQ(menu.Count(), 1u);
    EXPECT_EQ(menu[0].caption, "Empty");
    EXPECT_FALSE(menu[0].enabled);
}
