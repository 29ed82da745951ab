// Saving the in-memory picture into a target slot: names, the collision
// rule, what a save reports, and every way it can fail.
#include "CaptureTestSupport.h"

#include "notify/NotificationForm.h"
#include "ui/AppTitle.h"
#include "ui/Timer.h"

using namespace capture_testing;
using testing_support::DialogCall;

namespace {

class Saving : public CaptureTest {
  protected:
    void SetUp() override {
        CaptureTest::SetUp();
        main.options.Check3.SetValue(0); // saves are started by the test
        Capture(picture);
    }
    void TypeName(const std::string& name) {
        main.options.Check7.SetValue(1);
        dialogs.inputAnswers.push_back(name);
    }
    std::string Saved(int slot, const std::string& name) const { return (SlotFolder(slot) / name).string(); }
    // The save failed the one way a save reports a failure.
    void ExpectFailureReported() {
        const std::vector<DialogCall> messages = dialogs.Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "(99) " + Entry(99));
        EXPECT_EQ(messages[0].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(messages[0].buttons, ui::MsgButtons::Ok);
        EXPECT_EQ(messages[0].title, ui::AppTitle()) << "no title of its own";
        EXPECT_EQ(main.lbl_Status.Caption(), Entry(94));
        EXPECT_EQ(LastLog(), LogLine(Entry(94)));
        EXPECT_TRUE(counterTexts.empty()) << "a failed save leaves the notification alone";
    }

    // A save the worker could not write: the picture is kept in the keep
    // folder under its name, the one box says where, the log says it too.
    void ExpectPictureKept(const std::string& name, size_t boxes = 1) {
        const std::vector<DialogCall> messages = dialogs.Messages();
        ASSERT_EQ(messages.size(), boxes);
        EXPECT_EQ(messages[0].text,
                  "(99) " + Entry(99) + "\r\n\r\n" + Entry(204) + ": " + catcher::PictureSaver::KeepFolder());
        EXPECT_EQ(messages[0].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(main.lbl_Status.Caption(), Entry(94));
        const std::filesystem::path kept = KeepFolder() / name;
        EXPECT_EQ(LastLog(), LogLine(Entry(204) + ": " + kept.string()));
        const DecodedPicture decoded = DecodeFile(kept);
        EXPECT_EQ(decoded.width, picture.Width()) << kept;
        EXPECT_EQ(decoded.height, picture.Height());
        EXPECT_TRUE(counterTexts.empty()) << "a failed save leaves the notification alone";
    }
    static std::filesystem::path KeepFolder() {
        const std::string folder = catcher::PictureSaver::KeepFolder();
        return std::filesystem::path(std::u8string(folder.begin(), folder.end()));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(KeepFolder(), ignored); // the test's own prefix
        CaptureTest::TearDown();
    }

    const ui::Picture picture = TestPicture(640, 480);
};

TEST_F(Saving, AutomaticNameIsTheClockTimeAndEverySaveReportsItsRealPath) {
    Save(3);
    EXPECT_EQ(SavedIn(3), std::vector<std::string>{"20261271659.jpg"});
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
    EXPECT_EQ(LastLog(), LogLine(Entry(56) + ": " + Saved(3, "20261271659.jpg")));
    ASSERT_FALSE(counterTexts.empty());
    EXPECT_EQ(counterTexts.front(), "7") << "the close counter closes the notification";
    EXPECT_EQ(program.Notifications().txt_Timer2.Text(), "0") << "the close sequence ran and reset it";
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Saving, TwoSavesInOneSecondKeepBothPictures) {
    Save(1);
    const std::string first = dir.Read("slot1/20261271659.jpg");
    Capture(TestPicture(700, 500, 2));
    Save(1);
    Save(1);
    EXPECT_EQ(SavedIn(1),
              (std::vector<std::string>{"20261271659.jpg", "20261271659_2.jpg", "20261271659_3.jpg"}));
    EXPECT_EQ(dir.Read("slot1/20261271659.jpg"), first) << "the earlier picture is untouched";
    EXPECT_EQ(DecodeFile(SlotFolder(1) / "20261271659_2.jpg").width, 700);
    EXPECT_EQ(LastLog(), LogLine(Entry(56) + ": " + Saved(1, "20261271659_3.jpg")));
}

TEST_F(Saving, SameNameOfAnotherDayIsNotReplacedEither) {
    dir.Write("slot2/2026111100.jpg", "1 November, 10:00");
    clock.when = {2026, 1, 11, 1, 0, 0}; // 11 January, 1:00: the same digits
    Save(2);
    EXPECT_EQ(dir.Read("slot2/2026111100.jpg"), "1 November, 10:00");
    EXPECT_EQ(DecodeFile(SlotFolder(2) / "2026111100_2.jpg").width, 640);
}

TEST_F(Saving, TypedNameAsksWithEntries109And42AndGetsJpgAppended) {
    program.Notifications().Timer3.SetEnabled(true);
    TypeName("holiday.jpg");
    Save(4);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Kind::Input);
    EXPECT_EQ(dialogs.calls[0].text, Entry(109));
    EXPECT_EQ(dialogs.calls[0].title, Entry(42));
    EXPECT_FALSE(program.Notifications().Timer3.Enabled()) << "keep-on-top stops before the prompt";
    EXPECT_EQ(SavedIn(4), std::vector<std::string>{"holiday.jpg.jpg"});
    EXPECT_EQ(LastLog(), LogLine(Entry(56) + ": " + Saved(4, "holiday.jpg.jpg")));
}

TEST_F(Saving, TypedNameIsUsedUnchangedWithBlanksAndDots) {
    TypeName(" my picture. ");
    Save(1);
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{" my picture. .jpg"});
}

TEST_F(Saving, EmptyOrCancelledAnswerSavesUnderTheAutomaticName) {
    TypeName("");
    Save(1);
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{"20261271659.jpg"});
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(Saving, NamesAreOnlyAskedForWhenCheck7IsExactlyOne) {
    main.options.Check7.SetValue(2);
    Save(1);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{"20261271659.jpg"});
}

TEST_F(Saving, TypedNameThatIsTakenGetsTheNextNumber) {
    dir.Write("slot1/holiday.jpg", "the first holiday");
    dir.Write("slot1/holiday_2.jpg", "the second holiday");
    TypeName("holiday");
    Save(1);
    TypeName("HOLIDAY");
    Save(1);
    EXPECT_EQ(dir.Read("slot1/holiday.jpg"), "the first holiday");
    EXPECT_EQ(dir.Read("slot1/holiday_2.jpg"), "the second holiday");
    EXPECT_EQ(SavedIn(1),
              (std::vector<std::string>{"HOLIDAY_4.jpg", "holiday.jpg", "holiday_2.jpg", "holiday_3.jpg"}))
        << "names differing only in case are the same file";
    EXPECT_EQ(LastLog(), LogLine(Entry(56) + ": " + Saved(1, "HOLIDAY_4.jpg")));
}

TEST_F(Saving, SuccessfulSaveEmptiesTheClipboardOnlyWithCheck5) {
    PutTextOnClipboard("copied text");
    Save(1);
    EXPECT_FALSE(ClipboardIsEmpty());
    main.options.Check5.SetValue(1);
    Save(1);
    EXPECT_TRUE(ClipboardIsEmpty());
}

TEST_F(Saving, SaveLeavesThePictureInMemoryForAnotherSlot) {
    for (int slot = 1; slot <= 5; ++slot) Save(slot);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(SavedIn(slot), std::vector<std::string>{"20261271659.jpg"});
    EXPECT_EQ(main.memory.lbl_Resolution.Caption(), "640 x 480 px");
    EXPECT_EQ(main.capture.InMemory().Width(), 640);
}

// --- Failures ------------------------------------------------------------------

TEST_F(Saving, MissingFolderKeepsThePictureElsewhereAndWritesNothingThere) {
    main.targets.FolderText(2).SetText((dir.Path() / "gone" / "deeper").string());
    const std::vector<std::string> before = AllFilesUnder(dir.Path());
    Save(2);
    ExpectPictureKept("20261271659.jpg");
    EXPECT_EQ(AllFilesUnder(dir.Path()), before);
}

TEST_F(Saving, ARunOfFailedSavesShowsOneBoxAndKeepsEveryPicture) {
    main.targets.FolderText(2).SetText((dir.Path() / "gone").string());
    Save(2);
    Save(2);
    ExpectPictureKept("20261271659_2.jpg");
    EXPECT_EQ(FilesIn(KeepFolder()), (std::vector<std::string>{"20261271659.jpg", "20261271659_2.jpg"}));
    int keptLines = 0;
    for (int i = 0; i < main.lst_Log.ListCount(); ++i) keptLines += LogMessage(i).starts_with(Entry(204));
    EXPECT_EQ(keptLines, 2) << "the log tells of each";

    Save(1); // a save that works ends the run
    Save(2);
    EXPECT_EQ(dialogs.Messages().size(), 2u) << "the next failure is told again";
}

TEST_F(Saving, FolderThatRefusesNewFilesKeepsThePictureAndLeavesNoTemporaryFile) {
    {
        const ReadOnlyFolder readOnly(SlotFolder(3));
        if (!readOnly.Locked()) GTEST_SKIP() << "folders cannot be made read-only here";
        Save(3);
    }
    ExpectPictureKept("20261271659.jpg");
    EXPECT_TRUE(SavedIn(3).empty());
}

TEST_F(Saving, EmptyFolderTextFailsInsteadOfWritingAtTheDriveRoot) {
    main.targets.FolderText(5).SetText("");
    Save(5);
    ExpectFailureReported();
    EXPECT_EQ(GetFileAttributesA("\\20261271659.jpg"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Saving, TypedNameThatIsNotOneFileNameSaysWhyAndAsksAgain) {
    const struct {
        std::string name;
        int entry;
    } refused[] = {{"a<b", 195},         {"what?", 195},      {"star*", 195},
                   {"pipe|", 195},       {"say \"hi\"", 195}, {"sub\\name", 195},
                   {"..\\escaped", 195}, {"../escaped", 195}, {dir.Path().string() + "\\outside", 195},
                   {"CON", 196},         {"com1", 196},       {std::string(300, 'x'), 197}};
    int saved = 0;
    for (const auto& [name, entry] : refused) {
        SCOPED_TRACE("typed name \"" + name + "\"");
        dialogs.calls.clear();
        TypeName(name);
        TypeName("picture " + std::to_string(++saved));
        Save(1);
        const std::vector<DialogCall> messages = dialogs.Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "(" + std::to_string(entry) + ") " + Entry(entry));
        EXPECT_EQ(dialogs.calls.size(), 3u) << "prompt, why, prompt again";
        EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
    }
    EXPECT_EQ(SavedIn(1).size(), std::size(refused))
        << "each picture is saved under the second answer, and nothing elsewhere";
    EXPECT_EQ(AllFilesUnder(dir.Path() / "slot1").size(), std::size(refused));
    EXPECT_TRUE(std::filesystem::exists(SlotFolder(1) / "picture 1.jpg"));
}

TEST_F(Saving, LongestAllowedTypedNameIsSaved) {
    const std::string name(200, 'n');
    TypeName(name);
    Save(1);
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{name + ".jpg"});
}

TEST_F(Saving, EmptyInMemoryPictureFails) {
    main.capture.Clear();
    Save(1);
    ExpectFailureReported();
    EXPECT_TRUE(SavedIn(1).empty());
}

TEST_F(Saving, FailureIsNotLoggedWhileTheLogIsOff) {
    main.options.Check8.SetValue(0);
    main.capture.Clear();
    main.lst_Log.Clear();
    Save(1);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(94));
    EXPECT_EQ(main.lst_Log.ListCount(), 0);
}

TEST_F(Saving, FailedSaveKeepsTheClipboard) {
    main.options.Check5.SetValue(1);
    PutTextOnClipboard("still here");
    main.targets.FolderText(1).SetText((dir.Path() / "gone").string());
    Save(1);
    EXPECT_FALSE(ClipboardIsEmpty());
}

} // namespace
