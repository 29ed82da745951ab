// The target-folders panel under Wine: real buttons, real files in a fresh
// start directory.
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A folder with blanks and a letter of the ANSI code page (cp1252 bytes).
// The program holds text as UTF-8; the file keeps the ANSI code page (1252 here).
const std::string kUmlautFolder = "C:\\Bilder mit \xC3\x84\\Urlaub";
const std::string kUmlautAnsi = "C:\\Bilder mit \xC4\\Urlaub";

std::string CurrentDirectoryA() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

class TargetPanel : public SettingsPanels {
  protected:
    app::TargetPanel& targets = program.Main().targets;

    // Slot n's folder text and in-use value, e.g. "C:\x|1".
    std::string Slot(int slot) {
        return targets.FolderText(slot).Text() + "|" + std::to_string(targets.InUse(slot).Value());
    }
    void SetSlot(int slot, const std::string& folder, int inUse) {
        targets.FolderText(slot).SetText(folder);
        targets.InUse(slot).SetValue(inUse);
    }
};

// --- Loading ---------------------------------------------------------------------------

TEST_F(TargetPanel, StartupWithoutFilesLeavesEverySlotEmptyAndClear) {
    app::MainForm& main = LoadMain();
    for (int slot = 1; slot <= app::kSlotCount; ++slot) EXPECT_EQ(Slot(slot), "|0") << "slot " << slot;
    EXPECT_EQ(main.Catalogue(51), "Choose the folder for the pictures:") << "the driver is loaded";
}

TEST_F(TargetPanel, StartupReadsEverySlotTheLastLineCountsAndTicksIt) {
    dir.Write("TARGET1.INI", "C:\\Pictures\r\n");
    dir.Write("TARGET3.INI", "C:\\Old\r\nD:\\New\r\n");
    dir.Write("TARGET4.INI", "\r\n");
    dir.Write("TARGET5.INI", kUmlautAnsi + "\r\n");
    LoadMain();
    EXPECT_EQ(Slot(1), "C:\\Pictures|1");
    EXPECT_EQ(Slot(2), "|0");
    EXPECT_EQ(Slot(3), "D:\\New|1") << "a file of two lines gives the second";
    EXPECT_EQ(Slot(4), "|1") << "an only line that is empty ticks the slot without folder";
    EXPECT_EQ(Slot(5), kUmlautFolder + "|1");
    wchar_t shown[MAX_PATH] = {};
    GetWindowTextW(targets.txt_TargetPath5.hWnd(), shown, MAX_PATH);
    EXPECT_EQ(std::wstring(shown), L"C:\\Bilder mit \u00C4\\Urlaub")
        << "the window shows the letter of the ANSI text";
}

struct AwkwardTargetFile {
    const char* rule;
    std::optional<std::string> file; // nullopt: no file at all
    std::string slotAfter;           // the slot starts as "C:\Before|2"
};

TEST_F(TargetPanel, AwkwardFilesGiveTheLastLineOrLeaveTheSlot) {
    std::string severalMegabytes;
    for (int i = 0; severalMegabytes.size() < 4'000'000; ++i)
        severalMegabytes += "C:\\Folder " + std::to_string(i) + "\r\n";
    const std::string lastOfMany = severalMegabytes.substr(severalMegabytes.rfind("C:\\Folder "));
    std::string binary = BinaryBytes(2'000'000);
    binary += "\rC:\\After binary";
    const AwkwardTargetFile cases[] = {
        {"a missing file empties the folder and keeps the box", std::nullopt, "|2"},
        {"an empty file holds no line and changes nothing", "", "C:\\Before|2"},
        {"a line without line end", "C:\\No end", "C:\\No end|1"},
        {"CR-only line ends", "C:\\A\rC:\\B\r", "C:\\B|1"},
        {"LF-only line ends", "C:\\A\nC:\\B\n", "C:\\B|1"},
        {"several megabytes of lines", severalMegabytes, lastOfMany.substr(0, lastOfMany.size() - 2) + "|1"},
        {"binary content followed by a folder line", binary, "C:\\After binary|1"},
    };
    for (const AwkwardTargetFile& c : cases) {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove(dir.Path() / "TARGET2.INI");
        if (c.file) dir.Write("TARGET2.INI", *c.file);
        SetSlot(2, "C:\\Before", 2);
        targets.TargetPath_Load(2);
        EXPECT_EQ(Slot(2), c.slotAfter);
    }
    EXPECT_TRUE(dialogs.calls.empty()) << "reading never shows a message";
}

TEST_F(TargetPanel, UnreadableFileEndsTheSlotsLoadWithoutAMessage) {
    std::filesystem::create_directory(dir.Path() / "TARGET1.INI");
    SetSlot(1, "C:\\Before", 0);
    targets.TargetPath_Load(1);
    EXPECT_EQ(Slot(1), "C:\\Before|0");
    EXPECT_TRUE(dialogs.calls.empty());
}

// --- Saving -----------------------------------------------------------------------------

TEST_F(TargetPanel, SaveWritesTheLeadingTickedSlotsDeletesTheFirstUntickedAndLeavesTheRest) {
    app::MainForm& main = LoadMain();
    for (int slot = 1; slot <= 5; ++slot) dir.Write(app::TargetFileName(slot), "old " + std::to_string(slot));
    SetSlot(1, "C:\\One", 1);
    SetSlot(2, kUmlautFolder, 2); // the greyed state counts as in use
    SetSlot(3, "C:\\Three", 0);
    SetSlot(4, "C:\\Four", 1);
    SetSlot(5, "C:\\Five", 1);
    Click(targets.Command5);
    EXPECT_EQ(dir.Read("TARGET1.INI"), "C:\\One\r\n");
    EXPECT_EQ(dir.Read("TARGET2.INI"), kUmlautAnsi + "\r\n") << "written in the ANSI code page";
    EXPECT_FALSE(dir.Exists("TARGET3.INI"));
    EXPECT_EQ(dir.Read("TARGET4.INI"), "old 4");
    EXPECT_EQ(dir.Read("TARGET5.INI"), "old 5");
    EXPECT_EQ(main.lbl_Status.Caption(), "Target folder saved.");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TargetPanel, FirstSlotUntickedDeletesOnlyItsFile) {
    app::MainForm& main = LoadMain();
    for (int slot = 1; slot <= 5; ++slot) {
        dir.Write(app::TargetFileName(slot), "old " + std::to_string(slot));
        SetSlot(slot, "C:\\New", slot == 1 ? 0 : 1);
    }
    Click(targets.Command5);
    EXPECT_FALSE(dir.Exists("TARGET1.INI"));
    for (int slot = 2; slot <= 5; ++slot)
        EXPECT_EQ(dir.Read(app::TargetFileName(slot)), "old " + std::to_string(slot));
    EXPECT_EQ(main.lbl_Status.Caption(), "") << "nothing written, no status";
}

TEST_F(TargetPanel, TickedSlotWithoutFolderKeepsItsFileAndAllTickedWritesAllFive) {
    LoadMain();
    dir.Write("TARGET2.INI", "C:\\Kept\r\n");
    for (int slot = 1; slot <= 5; ++slot) SetSlot(slot, slot == 2 ? "" : "C:\\S" + std::to_string(slot), 1);
    Click(targets.Command5);
    EXPECT_EQ(dir.Read("TARGET2.INI"), "C:\\Kept\r\n");
    for (int slot : {1, 3, 4, 5})
        EXPECT_EQ(dir.Read(app::TargetFileName(slot)), "C:\\S" + std::to_string(slot) + "\r\n");
}

TEST_F(TargetPanel, SlotThatCannotBeWrittenIsSkippedKeepsItsFileAndTheOthersAreSaved) {
    app::MainForm& main = LoadMain();
    dir.Write("TARGET2.INI", "C:\\Old two\r\n");
    ReadOnlyFile readOnly(dir.Path() / "TARGET2.INI");
    std::filesystem::create_directory(dir.Path() / "TARGET3.INI"); // a folder in the file's place
    for (int slot = 1; slot <= 4; ++slot) SetSlot(slot, "C:\\New " + std::to_string(slot), 1);
    Click(targets.Command5);
    EXPECT_EQ(dir.Read("TARGET1.INI"), "C:\\New 1\r\n");
    EXPECT_EQ(dir.Read("TARGET2.INI"), "C:\\Old two\r\n") << "the old file stays intact";
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "TARGET3.INI"));
    EXPECT_EQ(dir.Read("TARGET4.INI"), "C:\\New 4\r\n");
    EXPECT_FALSE(dir.Exists("TARGET5.INI")) << "slot 5 is not in use: its (missing) file is deleted";
    EXPECT_TRUE(dialogs.calls.empty()) << "no message for a slot that cannot be written";
    EXPECT_EQ(main.lbl_Status.Caption(), "Target folder saved.");
    EXPECT_EQ(TemporaryFiles(dir.Path()), 0);
}

TEST_F(TargetPanel, ReadOnlyFileOfTheFirstUntickedSlotIsSkippedWithoutAMessage) {
    LoadMain();
    dir.Write("TARGET1.INI", "C:\\Kept\r\n");
    ReadOnlyFile readOnly(dir.Path() / "TARGET1.INI");
    Click(targets.Command5);
    EXPECT_TRUE(dir.Exists("TARGET1.INI"));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TargetPanel, SavedFoldersLoadBackUnchanged) {
    LoadMain();
    SetSlot(1, kUmlautFolder, 1);
    SetSlot(2, "\\\\server\\share with blanks\\", 1);
    Click(targets.Command5);
    SetSlot(1, "", 0);
    SetSlot(2, "", 0);
    targets.TargetPath_Load(1);
    targets.TargetPath_Load(2);
    EXPECT_EQ(Slot(1), kUmlautFolder + "|1");
    EXPECT_EQ(Slot(2), "\\\\server\\share with blanks\\|1");
}

// --- Browsing ----------------------------------------------------------------------------

TEST_F(TargetPanel, BrowseButtonsAskWithEntry51AndFillTheirSlotWithoutWritingTheFile) {
    LoadMain();
    const ui::CommandButton* buttons[] = {&targets.Command6, &targets.Command7, &targets.Command8,
                                          &targets.Command9, &targets.Command10};
    for (int slot = 1; slot <= 5; ++slot) {
        SCOPED_TRACE(slot);
        dialogs.calls.clear();
        dialogs.browseAnswers = {kUmlautFolder + " " + std::to_string(slot)};
        Click(*buttons[slot - 1]);
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Kind::Browse);
        EXPECT_EQ(dialogs.calls[0].text, "Choose the folder for the pictures:");
        EXPECT_EQ(Slot(slot), kUmlautFolder + " " + std::to_string(slot) + "|1");
        EXPECT_FALSE(dir.Exists(app::TargetFileName(slot))) << "only the save button writes";
    }
}

TEST_F(TargetPanel, CancellingTheBrowserChangesNothing) {
    LoadMain();
    SetSlot(4, "C:\\Before", 0);
    dialogs.browseAnswers = {""};
    Click(targets.Command9);
    EXPECT_EQ(Slot(4), "C:\\Before|0");
    EXPECT_EQ(dialogs.Messages().size(), 0u);
}

TEST_F(TargetPanel, FailingBrowserReports105AndFallsBackToTheCurrentDirectory) {
    LoadMain();
    SetSlot(2, "C:\\Before", 0);
    dialogs.browseAnswers = {"!fail"};
    Click(targets.Command7);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(105) The folder could not be chosen.");
    EXPECT_EQ(dialogs.Messages()[0].icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(dialogs.Messages()[0].title, "Clipboard Viewer");
    EXPECT_EQ(Slot(2), CurrentDirectoryA() + "|0") << "the in-use box is not changed";
}

} // namespace

// --- The file-name template ------------------------------------------------------------

TEST_F(TargetPanel, TheTemplateShowsItsNextNameOrWhatIsWrongAndIsKeptWithItsCounter) {
    dir.Write("VLCRNAME.INI", "shot-{counter}\r\n41\r\n");
    LoadMain();
    EXPECT_EQ(targets.txt_NameTemplate.Text(), "shot-{counter}");
    EXPECT_EQ(targets.lbl_NamePreview.Caption(), "shot-0041.jpg");
    targets.txt_NameTemplate.SetText("{year}-{colour}");
    EXPECT_EQ(targets.lbl_NamePreview.Caption(), "The template cannot be used: {colour}");
    targets.txt_NameTemplate.SetText("");
    const std::string automatic = targets.lbl_NamePreview.Caption();
    EXPECT_TRUE(automatic.ends_with(".jpg") && automatic.size() > 4 &&
                automatic.find_first_not_of("0123456789") == automatic.size() - 4)
        << "the date and time without leading zeros: " << automatic;
    targets.txt_NameTemplate.SetText("{width}x{height}_{counter}");
    Click(targets.Command5);
    EXPECT_EQ(dir.Read("VLCRNAME.INI"), "{width}x{height}_{counter}\r\n41\r\n");
}
