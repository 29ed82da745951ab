// The whole road with the real viewer in the clipboard-viewer chain: a
// bitmap copied to the clipboard reaches the capture only when the viewer
// shows it as a bitmap.
#include "clipboard/ClipViewerForm.h"

#include "CaptureTestSupport.h"
#include "TestPictures.h"

#include <algorithm>

using namespace capture_testing;
using testing_support::PumpMessages;

namespace {

class ViewerRoad : public CaptureTest {
  protected:
    void SetUp() override {
        CaptureTest::SetUp();
        {
            ui::ClipboardSession clipboard;
            ASSERT_TRUE(clipboard.IsOpen());
            EmptyClipboard();
        }
        viewer.Load();
        PumpMessages(50);
    }
    // How many pictures the pipeline took in: one log line each.
    int Captures() const {
        int count = 0;
        for (int i = 0; i < main.lst_Log.ListCount(); ++i)
            if (LogMessage(i).rfind(main.Catalogue(54), 0) == 0) ++count;
        return count;
    }
    void ChooseFromDisplayMenu(const std::string& caption) {
        for (size_t i = 0; i < viewer.mnuDisplay.Count(); ++i)
            if (viewer.mnuDisplay[i].caption == caption) return viewer.mnuDisplay_Click(i);
        FAIL() << "no Display menu item " << caption;
    }
    clipboard::ClipViewerForm& viewer = program.Viewer();
};

} // namespace

TEST_F(ViewerRoad, ACopiedBitmapRunsTheWholeRoadToAJpegInSlotOne) {
    PutBitmapOnClipboard(TestPicture(800, 600));
    PumpMessages(100);
    main.capture.engine.FinishSaves();
    EXPECT_EQ(Captures(), 1);
    ASSERT_EQ(SavedIn(1).size(), 1u);
    EXPECT_EQ(DecodeFile(SlotFolder(1) / SavedIn(1)[0]).width, 800);
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "800 x 600 px");
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_BITMAP");
}

TEST_F(ViewerRoad, ABitmapOnTheClipboardWhenTheViewerLoadsIsCaughtOnce) {
    viewer.Unload();
    PutBitmapOnClipboard(TestPicture(700, 500));
    viewer.Load();
    PumpMessages(100);
    main.capture.engine.FinishSaves();
    EXPECT_EQ(Captures(), 1) << "the load and the chain's first notice read the same change";
    EXPECT_EQ(SavedIn(1).size(), 1u);
}

TEST_F(ViewerRoad, TextBesideABitmapIsShownAndOnlyChoosingTheBitmapCatchesIt) {
    PutBitmapOnClipboard(TestPicture(640, 480), "a caption");
    PumpMessages(100);
    EXPECT_EQ(Captures(), 0);
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), Entry(96));

    ChooseFromDisplayMenu("Bitmap (BMP)");
    PumpMessages(50);
    main.capture.engine.FinishSaves();
    EXPECT_EQ(Captures(), 1);
    ChooseFromDisplayMenu("Bitmap (BMP)");
    PumpMessages(50);
    EXPECT_EQ(Captures(), 1) << "the change is caught once however often it is shown";
    EXPECT_EQ(SavedIn(1).size(), 1u);
}

TEST_F(ViewerRoad, ResizingTheViewerWhileABitmapIsShownCatchesNothingMore) {
    PutBitmapOnClipboard(TestPicture(640, 480));
    PumpMessages(100);
    ASSERT_EQ(Captures(), 1);
    viewer.Show();
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(viewer.hWnd(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(50);
    EXPECT_EQ(Captures(), 1);
}
