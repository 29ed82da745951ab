// The memory panel on the loaded main window: its save buttons, their
// preparation when the panel opens, and Clear. Clicks are real BM_CLICKs.
#include "CaptureTestSupport.h"

#include "clipboard/ClipViewerForm.h"
#include "notify/NotificationForm.h"

#include <algorithm>

using namespace capture_testing;

namespace {

void Click(const ui::Control& control) {
    SendMessageA(control.hWnd(), BM_CLICK, 0, 0);
}

class MemoryPanel : public CaptureTest {
  protected:
    void SetUp() override {
        CaptureTest::SetUp();
        main.Load();
        testing_support::PumpMessages(50); // the start ends once the window is drawn
        // The start-up reads the settings files, which this folder lacks.
        for (int slot = 1; slot <= 5; ++slot) {
            main.targets.FolderText(slot).SetText(SlotFolder(slot).string());
            main.targets.InUse(slot).SetValue(1);
        }
        main.options.Check3.SetValue(0);
        main.options.Check8.SetValue(1);
        Capture(TestPicture(640, 480));
    }
    void OpenPanel() { Click(main.CoolButton3); }
    bool ButtonEnabled(int slot) {
        const ui::CommandButton& button = panel.SaveButton(slot);
        EXPECT_EQ(IsWindowEnabled(button.hWnd()) != FALSE, button.Enabled());
        return button.Enabled();
    }

    catcher::MemoryPanel& panel = main.memory;
};

TEST_F(MemoryPanel, OpeningItEnablesTheOfferedSlotsAndShowsEveryFolder) {
    const int inUse[] = {1, 0, 2, 0, 0};
    for (int slot = 1; slot <= 5; ++slot) main.targets.InUse(slot).SetValue(inUse[slot - 1]);
    main.targets.FolderText(4).SetText("C:\\not offered");
    OpenPanel();
    EXPECT_TRUE(main.Frame_Memory.Visible());
    EXPECT_TRUE(ButtonEnabled(1));
    EXPECT_FALSE(ButtonEnabled(2));
    EXPECT_TRUE(ButtonEnabled(3)) << "any value other than 0 offers the slot";
    EXPECT_FALSE(ButtonEnabled(4));
    EXPECT_FALSE(ButtonEnabled(5));
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(panel.SaveButton(slot).ToolTipText(), main.targets.FolderText(slot).Text());
    EXPECT_EQ(panel.Command4.Caption(), "#1");
    EXPECT_EQ(panel.Command14.Caption(), "#5");
    EXPECT_FALSE(panel.Command17.Visible());
}

TEST_F(MemoryPanel, SlotChangesReachTheButtonsOnlyWhenThePanelOpensAgain) {
    OpenPanel();
    main.targets.InUse(2).SetValue(0);
    main.targets.FolderText(1).SetText("C:\\elsewhere");
    EXPECT_TRUE(ButtonEnabled(2));
    EXPECT_EQ(panel.Command4.ToolTipText(), SlotFolder(1).string());
    OpenPanel();
    EXPECT_FALSE(ButtonEnabled(2));
    EXPECT_EQ(panel.Command4.ToolTipText(), "C:\\elsewhere");
}

TEST_F(MemoryPanel, EachSaveButtonSavesTheSamePictureIntoItsSlot) {
    OpenPanel();
    for (int slot = 1; slot <= 5; ++slot) Click(panel.SaveButton(slot));
    main.capture.engine.FinishSaves();
    for (int slot = 1; slot <= 5; ++slot) {
        ASSERT_EQ(SavedIn(slot), std::vector<std::string>{"20261271659.jpg"}) << "slot " << slot;
        EXPECT_EQ(DecodeFile(SlotFolder(slot) / "20261271659.jpg").width, 640);
    }
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
}

TEST_F(MemoryPanel, ClearEmptiesClipboardPictureAndLabelDisablesButtonsAndRestartsTheViewer) {
    OpenPanel();
    PutTextOnClipboard("something copied");
    const HWND viewerBefore = program.Viewer().hWnd();
    ASSERT_NE(viewerBefore, nullptr);
    const std::string notificationLabel = program.Notifications().lbl_Resolution.Caption();
    Click(panel.Command15);

    EXPECT_TRUE(ClipboardIsEmpty());
    EXPECT_TRUE(main.capture.InMemory().Empty());
    EXPECT_TRUE(panel.Image3.GetPicture().Empty());
    EXPECT_EQ(panel.lbl_Resolution.Caption(), "-");
    EXPECT_EQ(program.Notifications().lbl_Resolution.Caption(), notificationLabel) << "not changed by Clear";
    for (int slot = 1; slot <= 5; ++slot) EXPECT_FALSE(ButtonEnabled(slot)) << "slot " << slot;
    EXPECT_TRUE(program.Viewer().IsLoaded());
    EXPECT_FALSE(program.Viewer().Visible());
    EXPECT_NE(program.Viewer().hWnd(), viewerBefore) << "a new viewer window joined";
}

TEST_F(MemoryPanel, NewCaptureAfterClearFillsPreviewAndLabelButLeavesTheButtonsDisabled) {
    OpenPanel();
    Click(panel.Command15);
    Capture(TestPicture(800, 600));
    EXPECT_EQ(panel.Image3.GetPicture().Width(), 800);
    EXPECT_EQ(panel.lbl_Resolution.Caption(), "800 x 600 px");
    for (int slot = 1; slot <= 5; ++slot) EXPECT_FALSE(ButtonEnabled(slot));
}

TEST_F(MemoryPanel, SavingAfterClearFromTheReopenedPanelFailsWithMessage99) {
    OpenPanel();
    Click(panel.Command15);
    OpenPanel();
    ASSERT_TRUE(ButtonEnabled(1)) << "opening the panel enables the buttons, picture or not";
    Click(panel.Command4);
    main.capture.engine.FinishSaves();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(99) " + Entry(99));
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(94));
    EXPECT_EQ(LastLog(), LogLine(Entry(94)));
    EXPECT_TRUE(SavedIn(1).empty());
}

} // namespace

namespace {

TEST_F(MemoryPanel, ClearTakesThePictureOffTheScreen) {
    main.SetWindowState(ui::WindowState::Normal);
    main.Show();
    OpenPanel();
    testing_support::PumpMessages(100);
    RECT preview{};
    GetWindowRect(panel.Image3.hWnd(), &preview);
    const auto uniform = [](const std::vector<COLORREF>& pixels) {
        return std::all_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c == pixels.front(); });
    };
    ASSERT_FALSE(uniform(testing_support::ScreenPixels(preview))) << "the caught picture is on screen";
    Click(panel.Command15);
    testing_support::PumpMessages(100);
    EXPECT_TRUE(uniform(testing_support::ScreenPixels(preview))) << "nothing of the picture is left";
}

} // namespace
