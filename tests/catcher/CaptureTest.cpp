// The capture pipeline under Wine: from the viewer's picture through the
// size labels, the log and the minimum-resolution filter to the decision.
#include "CaptureTestSupport.h"

#include "clipboard/ClipViewerForm.h"
#include "notify/NotificationForm.h"

using namespace capture_testing;

namespace {

// The decimal separator of the regional settings, which the custom minimum is read with.
std::string DecimalSeparator() {
    char separator[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    return separator;
}

class Pipeline : public CaptureTest {
  protected:
    // True when the picture was saved into slot #1 by the automatic capture.
    bool CaughtAndSaved(int width, int height) {
        const size_t before = SavedIn(1).size();
        ++clock.when.second; // a new name for every save
        Capture(TestPicture(width, height));
        return SavedIn(1).size() > before;
    }
    void UseCustomMinimum(const std::string& width, const std::string& height) {
        main.options.Option6.SetValue(true);
        main.options.txt_CustomRes1.SetText(width);
        main.options.txt_CustomRes2.SetText(height);
    }
};

TEST_F(Pipeline, RoadFromAClipboardBitmapToAJpegOfQuality100InSlotOne) {
    const ui::Picture original = TestPicture(800, 600);
    PutBitmapOnClipboard(original);
    Capture(BitmapFromClipboard());

    ASSERT_EQ(SavedIn(1), std::vector<std::string>{"20261271659.jpg"})
        << "no BMP and no temporary file beside it";
    const std::filesystem::path file = SlotFolder(1) / "20261271659.jpg";
    const DecodedPicture decoded = DecodeFile(file);
    EXPECT_EQ(decoded.width, 800);
    EXPECT_EQ(decoded.height, 600);
    const PixelError error = Compare(main.capture.InMemory(), decoded);
    EXPECT_LT(error.mean, 1.0) << "quality 100 keeps the picture nearly exact";
    EXPECT_LE(error.largest, 8);
    EXPECT_LT(Compare(original, decoded).mean, 1.0) << "the clipboard bitmap itself reached the file";
    const JpegHeader header = ReadJpegHeader(file);
    EXPECT_TRUE(header.baseline);
    ASSERT_EQ(header.quantisationSteps.size(), 128u) << "one table for brightness, one for colour";
    EXPECT_TRUE(std::all_of(header.quantisationSteps.begin(), header.quantisationSteps.end(), [](int step) {
        return step == 1;
    })) << "quality 100: every quantisation step is 1";
    EXPECT_EQ(header.samplingFactors, (std::vector<int>{0x11, 0x11, 0x11}))
        << "colour at full resolution (4:4:4)";

    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "800 x 600 px");
    EXPECT_EQ(program.Notifications().lbl_Resolution.Caption(), "800 x 600 px");
    ASSERT_EQ(main.lst_Log.ListCount(), 2);
    EXPECT_EQ(main.lst_Log.List(0), LogLine(Entry(54) + ": 800 x 600"));
    EXPECT_EQ(main.lst_Log.List(1), LogLine(Entry(56) + ": " + file.string()));
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Pipeline, PreviewIsStretchedIntoItsFixedBoxAndMeasuringImageTakesThePictureSize) {
    main.options.Check3.SetValue(0);
    Capture(TestPicture(300, 200));
    const ui::Image& preview = main.memory.Image3;
    EXPECT_EQ(preview.GetPicture().Width(), 300);
    EXPECT_TRUE(preview.Stretch());
    EXPECT_TRUE(preview.Visible());
    EXPECT_EQ(preview.Width(), 3255);
    EXPECT_EQ(preview.Height(), 2535);
    EXPECT_EQ(main.capture.InMemory().Width(), 300);
    EXPECT_EQ(main.capture.InMemory().Height(), 200);
}

TEST_F(Pipeline, FixedMinimumsPassAtEqualityAndCompareWidthWithWidth) {
    EXPECT_TRUE(CaughtAndSaved(640, 480));
    EXPECT_FALSE(CaughtAndSaved(639, 480));
    EXPECT_FALSE(CaughtAndSaved(640, 479));
    EXPECT_FALSE(CaughtAndSaved(480, 640)) << "a portrait picture fails the landscape minimum";
    main.options.Option5.SetValue(true);
    EXPECT_TRUE(CaughtAndSaved(1600, 1200));
    EXPECT_FALSE(CaughtAndSaved(1599, 1200));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Pipeline, CustomMinimumComparesTheTypedNumbers) {
    UseCustomMinimum("800", "600");
    EXPECT_TRUE(CaughtAndSaved(800, 600));
    EXPECT_FALSE(CaughtAndSaved(800, 599));
    UseCustomMinimum("1e3", "1");
    EXPECT_TRUE(CaughtAndSaved(1000, 1));
    EXPECT_FALSE(CaughtAndSaved(999, 1));
    UseCustomMinimum("-5", "-5");
    EXPECT_TRUE(CaughtAndSaved(1, 1)) << "a negative minimum lets every picture through";
    UseCustomMinimum(" 639" + DecimalSeparator() + "5 ", "1");
    EXPECT_FALSE(CaughtAndSaved(639, 1)) << "a fractional minimum is compared as such";
    EXPECT_TRUE(CaughtAndSaved(640, 1));
}

TEST_F(Pipeline, CustomMinimumThatIsNotANumberEndsTheCaptureSilentlyAfterLabelsAndLog) {
    for (const auto& [width, height] : std::vector<std::pair<std::string, std::string>>{
             {"12a", "1"}, {"", "1"}, {"1", "12a"}, {"1", ""}, {"1,5.5.5", "1"}}) {
        SCOPED_TRACE("custom minimum \"" + width + "\" x \"" + height + "\"");
        UseCustomMinimum(width, height);
        main.lst_Log.Clear();
        EXPECT_FALSE(CaughtAndSaved(900, 700));
        EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "900 x 700 px");
        EXPECT_EQ(main.capture.InMemory().Width(), 900);
        ASSERT_EQ(main.lst_Log.ListCount(), 1) << "only the caught line";
        EXPECT_EQ(LastLog(), LogLine(Entry(54) + ": 900 x 700"));
    }
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(main.lbl_Status.Caption(), "");
}

TEST_F(Pipeline, SidesOver32767PixelsEndTheCaptureAfterLabelsAndLog) {
    UseCustomMinimum("1", "1");
    EXPECT_TRUE(CaughtAndSaved(32767, 1));
    const DecodedPicture widest = DecodeFile(SlotFolder(1) / SavedIn(1).back());
    EXPECT_EQ(widest.width, 32767);
    EXPECT_EQ(widest.height, 1);

    main.lst_Log.Clear();
    EXPECT_FALSE(CaughtAndSaved(32768, 1));
    EXPECT_FALSE(CaughtAndSaved(1, 32768));
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "1 x 32768 px");
    EXPECT_EQ(program.Notifications().lbl_Resolution.Caption(), "1 x 32768 px");
    EXPECT_EQ(main.capture.InMemory().Height(), 32768) << "the picture stays in memory";
    ASSERT_EQ(main.lst_Log.ListCount(), 2);
    EXPECT_EQ(LogMessage(0), Entry(54) + ": 32768 x 1");
    EXPECT_EQ(LogMessage(1), Entry(54) + ": 1 x 32768");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Pipeline, OneByOnePictureIsCaughtAndSavedWhenTheMinimumAllows) {
    EXPECT_FALSE(CaughtAndSaved(1, 1));
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "1 x 1 px");
    UseCustomMinimum("1", "1");
    EXPECT_TRUE(CaughtAndSaved(1, 1));
    const DecodedPicture decoded = DecodeFile(SlotFolder(1) / SavedIn(1).back());
    EXPECT_EQ(decoded.width, 1);
    EXPECT_EQ(decoded.height, 1);
}

TEST_F(Pipeline, RejectedPictureStillReplacesTheInMemoryPictureAndIsLogged) {
    EXPECT_TRUE(CaughtAndSaved(640, 480));
    main.lst_Log.Clear();
    EXPECT_FALSE(CaughtAndSaved(320, 200));
    EXPECT_EQ(main.capture.InMemory().Width(), 320);
    EXPECT_EQ(main.memory.Image3.GetPicture().Width(), 320);
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "320 x 200 px");
    ASSERT_EQ(main.lst_Log.ListCount(), 1);
    EXPECT_EQ(LastLog(), LogLine(Entry(54) + ": 320 x 200"));
}

TEST_F(Pipeline, LogLineOnlyWhileTheLogIsOn) {
    main.options.Check8.SetValue(2);
    EXPECT_TRUE(CaughtAndSaved(640, 480));
    EXPECT_EQ(main.lst_Log.ListCount(), 0) << "only exactly 1 counts as on";
}

TEST_F(Pipeline, AutomaticCaptureSavesIntoSlotOneEvenWhenItIsNotOffered) {
    main.targets.InUse(1).SetValue(0);
    EXPECT_TRUE(CaughtAndSaved(640, 480));
    for (int slot = 2; slot <= 5; ++slot) EXPECT_TRUE(SavedIn(slot).empty());
}

TEST_F(Pipeline, WithoutAutomaticCaptureNothingIsSaved) {
    for (int value : {0, 2}) {
        main.options.Check3.SetValue(value);
        EXPECT_FALSE(CaughtAndSaved(1024, 768)) << "Check3 = " << value;
    }
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "1024 x 768 px");
}

TEST_F(Pipeline, NoResolutionButtonSelectedDecidesNothing) {
    main.options.Option1.SetValue(false);
    ASSERT_FALSE(main.options.Option6.Value());
    EXPECT_FALSE(CaughtAndSaved(2000, 2000));
}

TEST_F(Pipeline, NoPictureShownStopsTheDecisionUntilTheNextPictureIsShown) {
    Capture(TestPicture(10, 10)); // too small: in memory, not saved
    main.options.Option6.SetValue(true);
    main.options.txt_CustomRes1.SetText("1");
    main.options.txt_CustomRes2.SetText("1");
    main.capture.ShowNoPicture(Entry(96)); // the viewer showed text since
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), Entry(96));
    main.capture.DoNotification();
    main.capture.engine.FinishSaves();
    EXPECT_TRUE(SavedIn(1).empty());
    Capture(TestPicture(12, 12));
    main.capture.engine.FinishSaves();
    EXPECT_EQ(SavedIn(1).size(), 1u);
}

TEST_F(Pipeline, ViewerWithoutABitmapEndsTheCaptureAndKeepsTheEarlierPicture) {
    EXPECT_TRUE(CaughtAndSaved(640, 480));
    main.lst_Log.Clear();
    for (const ui::Picture& nothing : {ui::Picture(), ui::Picture::FromBitmap(nullptr)}) {
        Capture(nothing);
        EXPECT_EQ(main.capture.InMemory().Width(), 640);
        EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "640 x 480 px");
    }
    EXPECT_EQ(main.lst_Log.ListCount(), 0);
    EXPECT_EQ(SavedIn(1).size(), 1u);
    EXPECT_TRUE(dialogs.calls.empty());
}

} // namespace
