// The options panel under Wine: real buttons, real files in a fresh start
// directory.
#include "SettingsTestSupport.h"

#include "app/LocaleNumber.h"
#include "ui/WinHandles.h"

#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class OptionsPanel : public SettingsPanels {
  protected:
    app::OptionsPanel& options = program.Main().options;

    // The nine digits as the controls show them.
    std::string ShownDigits() {
        std::string digits;
        ui::OptionButton* buttons[] = {&options.Option1, &options.Option2, &options.Option3,
                                       &options.Option4, &options.Option5, &options.Option6};
        for (int i = 0; i < 6; ++i)
            if (buttons[i]->Value()) digits += static_cast<char>('1' + i);
        for (ui::CheckBox* check : {&options.Check1, &options.Check2, &options.Check3, &options.Check4,
                                    &options.Check5, &options.Check6, &options.Check7, &options.Check8})
            digits += static_cast<char>('0' + check->Value());
        return digits;
    }

    // Sets the controls from nine digits.
    void SetDigits(const std::string& digits) {
        ui::OptionButton* buttons[] = {&options.Option1, &options.Option2, &options.Option3,
                                       &options.Option4, &options.Option5, &options.Option6};
        buttons[digits[0] - '1']->SetValue(true);
        ui::CheckBox* checks[] = {&options.Check1, &options.Check2, &options.Check3, &options.Check4,
                                  &options.Check5, &options.Check6, &options.Check7, &options.Check8};
        for (int k = 0; k < 8; ++k) checks[k]->SetValue(digits[static_cast<size_t>(k + 1)] - '0');
    }

    bool CustomBoxesOpen() {
        const bool open = options.txt_CustomRes1.Enabled() && options.txt_CustomRes2.Enabled() &&
                          options.txt_CustomRes1.BackColor() == 0xFFFFFF &&
                          options.txt_CustomRes2.BackColor() == 0xFFFFFF;
        const bool closed = !options.txt_CustomRes1.Enabled() && !options.txt_CustomRes2.Enabled() &&
                            options.txt_CustomRes1.BackColor() == 0xE0E0E0 &&
                            options.txt_CustomRes2.BackColor() == 0xE0E0E0;
        EXPECT_TRUE(open || closed) << "both boxes follow Option6 together";
        if (options.txt_CustomRes1.hWnd()) {
            EXPECT_EQ(IsWindowEnabled(options.txt_CustomRes1.hWnd()) != FALSE, open)
                << "the real window follows";
        }
        return open;
    }
};

// --- Loading -------------------------------------------------------------------------

TEST_F(OptionsPanel, StartupLoadsCustomResolutionAndEveryLineIntoTheHiddenList) {
    dir.Write("VLCREXT.INI", "601220100\r1000\r700\r\n");
    app::MainForm& main = LoadMain();
    EXPECT_EQ(ShownDigits(), "601220100");
    EXPECT_EQ(options.txt_CustomRes1.Text(), "1000");
    EXPECT_EQ(options.txt_CustomRes2.Text(), "700");
    EXPECT_TRUE(CustomBoxesOpen()) << "selecting Option6 from the file opens the boxes";
    EXPECT_EQ(BST_INDETERMINATE, SendMessageA(options.Check3.hWnd(), BM_GETCHECK, 0, 0)) << "2 shows greyed";
    ASSERT_EQ(options.lst_Options.ListCount(), 3);
    EXPECT_EQ(options.lst_Options.List(2), "700");
    EXPECT_FALSE(options.lst_Options.Visible());
    EXPECT_EQ(main.lst_Log.ListCount(), 0) << "Check8 is clear in the file: no log header";
}

TEST_F(OptionsPanel, ResetFileAtStartSetsSevenPositionsAndKeepsCheck7AndCheck8) {
    dir.Write("VLCREXT.INI", "2110000\r\n");
    SetDigits("500000020");
    LoadMain();
    EXPECT_EQ(ShownDigits(), "211000020");
    EXPECT_FALSE(CustomBoxesOpen());
}

struct AwkwardOptionsFile {
    const char* rule;
    std::optional<std::string> file; // nullopt: no file at all
    std::string digitsAfter;         // the controls start as 500000020, "111" and "222"
    std::string widthAfter = "111";
    std::string heightAfter = "222";
};

TEST_F(OptionsPanel, AwkwardFilesChangeOnlyWhatTheyHold) {
    std::string severalMegabytes = "300000001\r\n";
    while (severalMegabytes.size() < 4'000'000) severalMegabytes += std::string(1000, 'x') + "\r\n";
    const std::string binary = BinaryBytes(3'000'000);
    const AwkwardOptionsFile cases[] = {
        {"a missing file keeps every control", std::nullopt, "500000020"},
        {"an empty file keeps every control", "", "500000020"},
        {"a short line sets only its positions", "1121\r\n", "112100020"},
        {"an unknown first character selects no button", "x11111111\r\n", "511111111"},
        {"digits above 2 and non-digits keep their boxes", "19a2/ 3:1\r\n", "100200021"},
        {"digit 6 without custom lines keeps both boxes", "600000000\r\n", "600000000"},
        {"digit 6 without line 3 keeps the height box", "600000000\r640\r\n", "600000000", "640"},
        {"an empty custom line arrives as a blank", "600000000\r\r480\r\n", "600000000", " ", "480"},
        {"CR-only line ends", "610000000\r800\r600\r", "610000000", "800", "600"},
        {"LF-only line ends", "610000000\n800\n600\n", "610000000", "800", "600"},
        {"several megabytes after line 1", severalMegabytes, "300000001"},
        {"binary content (line 1 is 00 8A 19 A3 '2' ...)", binary, "500020020"},
    };
    for (const AwkwardOptionsFile& c : cases) {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove(dir.Path() / "VLCREXT.INI");
        if (c.file) dir.Write("VLCREXT.INI", *c.file);
        SetDigits("500000020");
        options.txt_CustomRes1.SetText("111");
        options.txt_CustomRes2.SetText("222");
        options.Options_Load();
        EXPECT_EQ(ShownDigits(), c.digitsAfter);
        EXPECT_EQ(options.txt_CustomRes1.Text(), c.widthAfter);
        EXPECT_EQ(options.txt_CustomRes2.Text(), c.heightAfter);
        EXPECT_EQ(CustomBoxesOpen(), c.digitsAfter[0] == '6');
    }
    EXPECT_TRUE(dialogs.calls.empty()) << "reading never shows a message";
}

TEST_F(OptionsPanel, HiddenListHoldsEveryLineAndIsEmptiedFirst) {
    dir.Write("VLCREXT.INI", "211000001\r\n\r\nthird");
    options.lst_Options.AddItem("left over");
    LoadMain();
    ASSERT_EQ(options.lst_Options.ListCount(), 3);
    EXPECT_EQ(options.lst_Options.List(0), "211000001");
    EXPECT_EQ(options.lst_Options.List(1), " ") << "an empty line is kept as a single blank";
    EXPECT_EQ(options.lst_Options.List(2), "third");
    EXPECT_EQ(SendMessageA(options.lst_Options.hWnd(), LB_GETCOUNT, 0, 0), 3) << "the real list too";
}

TEST_F(OptionsPanel, MillionsOfLinesLoadQuicklyIntoALimitedHiddenList) {
    std::string file = "411000001\r\n";
    while (file.size() < 3'000'000) file += "1\r\n";
    dir.Write("VLCREXT.INI", file);
    LoadMain();
    EXPECT_TRUE(options.Option4.Value());
    EXPECT_EQ(options.lst_Options.ListCount(), static_cast<int>(app::kOptionsListLimit));
    EXPECT_EQ(SendMessageA(options.lst_Options.hWnd(), LB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(app::kOptionsListLimit));
}

// --- Saving ---------------------------------------------------------------------------

TEST_F(OptionsPanel, SaveButtonWritesTwelveDigitsAndCrLfAndReports91) {
    app::MainForm& main = LoadMain();
    SetDigits("301001001");
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "301001001000\r\n");
    EXPECT_EQ(main.lbl_Status.Caption(), "Options saved.");
    EXPECT_TRUE(EndsWith(main.lst_Log.List(main.lst_Log.ListCount() - 1), " - Options saved."));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(OptionsPanel, SaveWritesCustomLinesAfterSingleCrsAndTheyLoadBack) {
    LoadMain();
    Click(options.Option6);
    SetText(options.txt_CustomRes1, "1000");
    SetText(options.txt_CustomRes2, "700");
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "611000001000\r1000\r700\r\n");

    SetDigits("100000000");
    SetText(options.txt_CustomRes1, "");
    options.Options_Load();
    EXPECT_EQ(ShownDigits(), "611000001");
    EXPECT_EQ(options.txt_CustomRes1.Text(), "1000");
    EXPECT_EQ(options.txt_CustomRes2.Text(), "700");
}

TEST_F(OptionsPanel, GreyedStateIsWrittenBackAs2AndCheck1OnlyChangesItsDigit) {
    dir.Write("VLCREXT.INI", "221200001\r\n");
    LoadMain();
    Click(options.Check1);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "221200001\r\n") << "a click does not write the file";
    EXPECT_TRUE(dialogs.calls.empty());
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "211200001000\r\n") << "the greyed Check3 stays 2";
}

TEST_F(OptionsPanel, FailedSaveReports98And92AndKeepsTheOldFile) {
    app::MainForm& main = LoadMain();
    const std::string path = (dir.Path() / "VLCREXT.INI").string();
    struct Blocker {
        const char* rule;
        std::function<std::shared_ptr<void>()> block; // unblocks when released
    };
    const Blocker blockers[] = {
        {"the file is read-only", [&] { return std::make_shared<ReadOnlyFile>(path); }},
        {"another program holds the file open",
         [&] {
             return std::shared_ptr<void>(CreateFileA(path.c_str(), GENERIC_READ,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                      OPEN_EXISTING, 0, nullptr),
                                          ui::HandleCloser());
         }},
    };
    for (const Blocker& blocker : blockers) {
        SCOPED_TRACE(blocker.rule);
        dialogs.calls.clear();
        dir.Write("VLCREXT.INI", "511000001\r\n");
        SetDigits("300000001");
        {
            const std::shared_ptr<void> blocked = blocker.block();
            Click(options.Command3);
        }
        EXPECT_EQ(dir.Read("VLCREXT.INI"), "511000001\r\n") << "the old file stays intact";
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].text, "The options file could not be written.");
        EXPECT_EQ(dialogs.Messages()[0].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.Messages()[0].title, "Clipboard Viewer") << "the application title";
        EXPECT_EQ(main.lbl_Status.Caption(), "Options not saved.");
        EXPECT_TRUE(EndsWith(main.lst_Log.List(main.lst_Log.ListCount() - 1), " - Options not saved."));
        EXPECT_EQ(TemporaryFiles(dir.Path()), 0) << "no temporary file is left behind";
        main.lbl_Status.SetCaption({});
    }
}

TEST_F(OptionsPanel, SaveOverAFolderOfTheSameNameReports98AndLeavesItAlone) {
    LoadMain();
    std::filesystem::create_directory(dir.Path() / "VLCREXT.INI");
    dir.Write("VLCREXT.INI/inside.txt", "kept");
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCREXT.INI/inside.txt"), "kept");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "The options file could not be written.");
    EXPECT_EQ(program.Main().lbl_Status.Caption(), "Options not saved.");
    EXPECT_EQ(TemporaryFiles(dir.Path()), 0);
}

// --- Reset ------------------------------------------------------------------------------

TEST_F(OptionsPanel, ResetAsksWithTheQuestionTitledVellicorRizezuzaAndNoKeepsEverything) {
    app::MainForm& main = LoadMain();
    SetDigits("400000000");
    dialogs.messageAnswers = {ui::MsgAnswer::No};
    Click(options.Command1);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const DialogCall question = dialogs.Messages()[0];
    EXPECT_EQ(question.text, "Reset all options to their default values?");
    EXPECT_EQ(question.title, "Vellicor Rizezuza");
    EXPECT_EQ(question.icon, ui::MsgIcon::Question);
    EXPECT_EQ(question.buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(ShownDigits(), "400000000");
    EXPECT_FALSE(dir.Exists("VLCREXT.INI"));
    EXPECT_EQ(main.lbl_Status.Caption(), "");
}

TEST_F(OptionsPanel, ResetWritesTheSevenCharacterLineAndSelectsTheDefaults) {
    app::MainForm& main = LoadMain();
    const int logLines = main.lst_Log.ListCount();
    SetDigits("622222222");
    SetText(options.txt_CustomRes1, "1000");
    dialogs.messageAnswers = {ui::MsgAnswer::Yes};
    Click(options.Command1);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "2110000\r\n");
    EXPECT_EQ(ShownDigits(), "211000001");
    EXPECT_FALSE(CustomBoxesOpen()) << "selecting Option2 closes the custom boxes";
    EXPECT_EQ(options.txt_CustomRes1.Text(), "1000") << "the custom texts stay";
    EXPECT_EQ(main.lbl_Status.Caption(), "") << "no status text";
    EXPECT_EQ(main.lst_Log.ListCount(), logLines) << "no log line";
}

TEST_F(OptionsPanel, FailedResetReports98AndKeepsControlsAndFile) {
    LoadMain();
    dir.Write("VLCREXT.INI", "511000001\r\n");
    ReadOnlyFile readOnly(dir.Path() / "VLCREXT.INI");
    SetDigits("622222222");
    Click(options.Command1); // answered Yes
    EXPECT_EQ(ShownDigits(), "622222222");
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "511000001\r\n");
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[1].text, "The options file could not be written.");
    EXPECT_EQ(dialogs.Messages()[1].icon, ui::MsgIcon::Exclamation);
}

// --- Custom resolution -------------------------------------------------------------------

TEST_F(OptionsPanel, CustomBoxesAreOpenOnlyWhileOption6IsSelected) {
    LoadMain();
    EXPECT_FALSE(CustomBoxesOpen()) << "at start";
    Click(options.Option6);
    EXPECT_TRUE(options.Option6.Value());
    EXPECT_TRUE(CustomBoxesOpen());
    Focus(options.Option6);
    Focus(options.Command3);
    EXPECT_TRUE(CustomBoxesOpen()) << "leaving a selected Option6 changes nothing";
    for (ui::OptionButton* other :
         {&options.Option1, &options.Option2, &options.Option3, &options.Option4, &options.Option5}) {
        Click(options.Option6);
        Click(*other);
        EXPECT_FALSE(CustomBoxesOpen()) << other->Caption();
    }
    options.Option6.SetValue(true);
    EXPECT_TRUE(CustomBoxesOpen()) << "selecting from code raises the click as well";
    options.Option3.SetValue(true);
    EXPECT_FALSE(CustomBoxesOpen());
}

TEST_F(OptionsPanel, LeavingACustomBoxThatIsNoNumberShows110AndKeepsTheText) {
    LoadMain();
    Click(options.Option6);
    for (ui::TextBox* box : {&options.txt_CustomRes1, &options.txt_CustomRes2}) {
        dialogs.calls.clear();
        Focus(*box);
        SetText(*box, "12a");
        Focus(options.Command3);
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].text, "The custom resolution must be a number.");
        EXPECT_EQ(dialogs.Messages()[0].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.Messages()[0].title, "Clipboard Viewer");
        EXPECT_EQ(box->Text(), "12a");
    }
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCREXT.INI"), "611000001000\r12a\r12a\r\n")
        << "nothing stops the text from being saved";
}

TEST_F(OptionsPanel, TheWebpQualityIsAWholeNumberTo100SavedAsTypedAndFollowedByTheCapture) {
    app::MainForm& main = LoadMain();
    EXPECT_FALSE(IsWindowEnabled(options.txt_WebpQuality.hWnd())) << "no quality without WebP";
    Click(options.Check11);
    EXPECT_TRUE(IsWindowEnabled(options.txt_WebpQuality.hWnd()));
    Focus(options.txt_WebpQuality);
    SetText(options.txt_WebpQuality, "150");
    Focus(options.Command3);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "The WebP quality is a whole number from 0 to 100");
    EXPECT_EQ(main.settings.options.webpQuality, capture::kDefaultWebpQuality) << "the default stays";
    SetText(options.txt_WebpQuality, "60");
    EXPECT_EQ(main.settings.options.webpQuality, 60);
    Click(options.Command3);
    EXPECT_EQ(dir.Read("VLCRWEBP.INI"), "60\r\n");
}

TEST_F(OptionsPanel, LeavingACustomBoxWithANumberOrEmptyText) {
    LoadMain();
    Click(options.Option6);
    struct Case {
        std::string text;
        bool message;
    };
    for (const Case& c : {Case{"1024", false}, Case{" 768 ", false}, Case{"-1e3", false}, Case{"", true},
                          Case{" ", true}, Case{"12 34", true}}) {
        dialogs.calls.clear();
        Focus(options.txt_CustomRes1);
        SetText(options.txt_CustomRes1, c.text);
        Focus(options.Command3);
        EXPECT_EQ(dialogs.Messages().size(), c.message ? 1u : 0u) << '"' << c.text << '"';
    }
}

TEST(UserLocaleNumber, ReadsWithTheSeparatorsOfTheUserLocale) {
    char decimal[8] = {}, thousands[8] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal), 0);
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands, sizeof thousands), 0);
    EXPECT_EQ(app::LocaleNumber(std::string("1") + thousands + "024" + decimal + "5"), 1024.5);
    EXPECT_EQ(app::LocaleNumber("800"), 800.0);
    EXPECT_EQ(app::LocaleNumber("12a"), std::nullopt);
    EXPECT_EQ(app::LocaleNumber(""), std::nullopt);
}

} // namespace

TEST_F(SettingsPanels, SavingWithCheck1RegistersTheLogOnStartAndSavingWithoutRemovesIt) {
    app::MainForm& main = LoadMain();
    main.options.Check1.SetValue(1);
    Click(main.options.Command3);
    const std::string program = (dir.Path() / "settings_tests.exe").string();
    EXPECT_EQ(RunValue(), "\"" + program + "\"") << "the quoted full path of the program";
    main.options.Check1.SetValue(0);
    Click(main.options.Command3);
    EXPECT_EQ(RunValue(), std::nullopt);
    Click(main.options.Command3);
    EXPECT_EQ(RunValue(), std::nullopt) << "saving again without it is no error";
    EXPECT_TRUE(dialogs.Messages().empty());
}
