#include "app/OptionsPanel.h"

#include "app/LocaleNumber.h"
#include "app/MainForm.h"
#include "app/StartWithSystem.h"
#include "i18n/CatalogueEntries.h"
#include "ui/AtomicFile.h"
#include "ui/ProgramFolder.h"
#include "ui/SettingsFile.h"

namespace app {
namespace {

constexpr COLORREF kCustomEnabledColor = 0xFFFFFF;
constexpr COLORREF kCustomDisabledColor = 0xE0E0E0;
constexpr int kDefaultResolution = 2; // 800 x 600
constexpr std::array<int, kOptionCheckCount> kDefaultChecks{1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0};

} // namespace

OptionsPanel::OptionsPanel(MainForm& main, ui::Frame& frame, catcher::CaptureOptions& published)
    : lbl_Options(main), lbl_FromResolution(main), Option1(main, "640 x 480"), Option2(main, "800 x 600"),
      Option3(main, "1024 x 768"), Option4(main, "1280 x 1024"), Option5(main, "1600 x 1200"), Option6(main),
      txt_CustomRes1(main), txt_CustomRes2(main), Check1(main), Check2(main), Check3(main), Check4(main),
      Check5(main), Check6(main), Check7(main), Check8(main), Check9(main), Check10(main), Check11(main),
      txt_WebpQuality(main), lbl_Excluded(main), txt_Excluded(main), Command1(main), Command3(main),
      Command2(main), lst_Options(main), main_(main), published_(published) {
    LayOut(frame);
    WireEvents();
    // Like the custom size, the quality is not one of the reset values.
    txt_WebpQuality.SetText(std::to_string(capture::kDefaultWebpQuality));
    SelectDefaults();
    PublishCaptureValues();
}

std::array<ui::OptionButton*, kResolutionCount> OptionsPanel::Resolutions() {
    return {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6};
}

std::array<ui::CheckBox*, kOptionCheckCount> OptionsPanel::Checks() {
    return {&Check1, &Check2, &Check3, &Check4,  &Check5, &Check6,
            &Check7, &Check8, &Check9, &Check10, &Check11};
}

void OptionsPanel::LayOut(ui::Frame& frame) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &lbl_Options, &lbl_FromResolution, &txt_CustomRes1, &txt_CustomRes2, &lbl_Excluded,
             &txt_Excluded, &txt_WebpQuality, &Command1, &Command3, &Command2, &lst_Options})
        control->SetContainer(frame);
    for (ui::Control* control : Resolutions()) control->SetContainer(frame);
    for (ui::Control* control : Checks()) control->SetContainer(frame);
    lbl_Options.SetBold(true);
    lbl_Options.Move(120, 60, 7200, 300);
    lbl_FromResolution.Move(120, 480, 7200, 255);
    // Two columns of rows: the resolutions (the custom boxes in a row of
    // their own under Option6) and the check boxes, wide enough for the
    // longest translated captions.
    constexpr int kFirstRow = 780, kRowHeight = 270;
    const auto resolutions = Resolutions();
    for (int i = 0; i < kResolutionCount; ++i)
        resolutions[static_cast<size_t>(i)]->Move(240, kFirstRow + i * kRowHeight, 1900, kRowHeight);
    const int customTop = kFirstRow + kResolutionCount * kRowHeight;
    txt_CustomRes1.Move(540, customTop, 660, 300);
    txt_CustomRes2.Move(1320, customTop, 660, 300);
    lbl_Excluded.Move(240, customTop + 360, 1900, 420); // two lines for the longer translations
    txt_Excluded.Move(240, customTop + 810, 1900, 300);
    const auto checks = Checks();
    for (int i = 0; i < kOptionCheckCount; ++i)
        checks[static_cast<size_t>(i)]->Move(2280, kFirstRow + i * kRowHeight, 5100, kRowHeight);
    // The quality box stands at the end of the WebP row.
    constexpr int kQualityWidth = 600;
    const int webpRow = kFirstRow + (kOptionCheckCount - 1) * kRowHeight;
    Check11.Move(2280, webpRow, 5100 - kQualityWidth - 60, kRowHeight);
    txt_WebpQuality.Move(2280 + 5100 - kQualityWidth, webpRow, kQualityWidth, kRowHeight);
    Command1.Move(120, 3900, 1700, 420);
    Command3.Move(1940, 3900, 1700, 420);
    Command2.Move(5600, 3900, 1700, 420);
    lst_Options.SetVisible(false);
    lst_Options.Move(0, 0, 600, 600);
    EnableCustomBoxes(false);
    EnableBox(txt_WebpQuality, false);
}

void OptionsPanel::WireEvents() {
    for (ui::OptionButton* option : {&Option1, &Option2, &Option3, &Option4, &Option5})
        option->OnClick = [this] { Option6_LostFocus(); };
    Option6.OnClick = [this] { Option6_Click(); };
    Option6.OnLostFocus = [this] { Option6_LostFocus(); };
    txt_CustomRes1.OnLostFocus = [this] { txt_CustomRes1_LostFocus(); };
    txt_CustomRes2.OnLostFocus = [this] { txt_CustomRes2_LostFocus(); };
    txt_WebpQuality.OnLostFocus = [this] { txt_WebpQuality_LostFocus(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command2.OnClick = [this] { main_.Command2_Click(); };
    for (ui::OptionButton* option : Resolutions()) option->OnChange = [this] { PublishCaptureValues(); };
    for (ui::CheckBox* check : Checks()) check->OnChange = [this] { PublishCaptureValues(); };
    Check11.OnChange = [this] {
        EnableBox(txt_WebpQuality, MainForm::IsSet(Check11)); // the quality is for WebP files alone
        PublishCaptureValues();
    };
    for (ui::TextBox* box : {&txt_CustomRes1, &txt_CustomRes2, &txt_WebpQuality})
        box->OnChange = [this] { PublishCaptureValues(); };
    txt_Excluded.OnChange = [this] { PublishExcludedPrograms(); };
}

void OptionsPanel::SelectDefaults() {
    Resolutions()[kDefaultResolution - 1]->SetValue(true);
    const auto checks = Checks();
    for (size_t k = 0; k < checks.size(); ++k) checks[k]->SetValue(kDefaultChecks[k]);
}

// --- The options file --------------------------------------------------------

OptionsValues OptionsPanel::CurrentValues() {
    OptionsValues values;
    const auto resolutions = Resolutions();
    values.resolution = 0; // none selected: the file cannot be written
    for (int i = kResolutionCount; i >= 1; --i)
        if (resolutions[static_cast<size_t>(i - 1)]->Value()) values.resolution = i;
    const auto checks = Checks();
    for (size_t k = 0; k < checks.size(); ++k) values.checks[k] = checks[k]->Value();
    values.customWidth = txt_CustomRes1.Text();
    values.customHeight = txt_CustomRes2.Text();
    return values;
}

catcher::CaptureOptions OptionsPanel::CaptureValues() {
    const OptionsValues values = CurrentValues();
    const auto set = [&values](int check) { return values.checks[static_cast<size_t>(check - 1)] == 1; };
    catcher::CaptureOptions options;
    if (values.resolution >= 1 && values.resolution < kCustomResolution) {
        options.minimum = capture::StandardMinimum(values.resolution);
    } else if (values.resolution == kCustomResolution) {
        // Both texts are read before either is compared.
        const std::optional<double> width = LocaleNumber(values.customWidth);
        const std::optional<double> height = LocaleNumber(values.customHeight);
        if (width && height) options.minimum = capture::MinimumResolution{*width, *height};
    }
    options.automatic = set(3);
    options.emptyAtClose = set(4);
    options.emptyAfterSave = set(5);
    options.wallpaper = set(6);
    options.namesByHand = set(7);
    options.lossless = set(9);
    options.skipNearlySame = set(10);
    options.webp = set(11);
    // A quality that is no number leaves the default; the box says so when left.
    options.webpQuality = ParseWebpQuality(txt_WebpQuality.Text()).value_or(capture::kDefaultWebpQuality);
    return options;
}

void OptionsPanel::PublishExcludedPrograms() {
    main_.capture.engine.ExcludePrograms(capture::ProgramList::Parse(txt_Excluded.Text()));
}

void OptionsPanel::Options_Save() {
    try {
        // Check1 acts: Windows starts the program at log-on while it is set.
        SetStartWithSystem(MainForm::IsSet(Check1));
        ui::WriteFileAtomically(ui::ProgramFile(kOptionsFile), FormatOptionsFile(CurrentValues()));
        ui::WriteFileAtomically(ui::ProgramFile(kExcludedProgramsFile),
                                txt_Excluded.Text() + ui::kSettingsLineEnd);
        ui::WriteFileAtomically(ui::ProgramFile(kWebpQualityFile),
                                txt_WebpQuality.Text() + ui::kSettingsLineEnd);
    } catch (const std::exception& e) {
        ShowNotWritten(e);
        Report(i18n::entry::kNotSaved);
        return;
    }
    Report(i18n::entry::kOptionsSaved);
}

void OptionsPanel::ShowNotWritten(const std::exception& failure) {
    OutputDebugStringA(("The options file was not written: " + std::string(failure.what()) + "\n").c_str());
    ui::MsgBox(main_.Catalogue(i18n::entry::kOptionsNotWritten), ui::MsgIcon::Exclamation);
}

void OptionsPanel::Report(int entry) {
    main_.lbl_Status.SetCaption(main_.Catalogue(entry));
    main_.AppendLog(main_.Catalogue(entry));
}

void OptionsPanel::Options_Load() {
    lst_Options.Clear();
    // A missing or unreadable file reads as an empty one: every control
    // keeps its value.
    const OptionsFileContent file =
        ParseOptionsFile(ui::ReadSettingsFile(ui::ProgramFile(kOptionsFile)).value_or(std::string()));
    lst_Options.AddItems(file.lines);
    Apply(file);
    // Without the file no program is left alone.
    const std::vector<std::string> excluded = ui::SplitSettingsLines(
        ui::ReadSettingsFile(ui::ProgramFile(kExcludedProgramsFile)).value_or(std::string()));
    if (!excluded.empty()) txt_Excluded.SetText(excluded.front());
    const std::vector<std::string> quality = ui::SplitSettingsLines(
        ui::ReadSettingsFile(ui::ProgramFile(kWebpQualityFile)).value_or(std::string()));
    if (!quality.empty()) txt_WebpQuality.SetText(quality.front());
}

void OptionsPanel::Apply(const OptionsFileContent& file) {
    if (file.resolution) Resolutions()[static_cast<size_t>(*file.resolution - 1)]->SetValue(true);
    if (file.customWidth) txt_CustomRes1.SetText(*file.customWidth);
    if (file.customHeight) txt_CustomRes2.SetText(*file.customHeight);
    const auto checks = Checks();
    for (size_t k = 0; k < checks.size(); ++k)
        if (file.checks[k]) checks[k]->SetValue(*file.checks[k]);
}

void OptionsPanel::Options_Reset() {
    try {
        SetStartWithSystem(true); // the reset values tick Check1
        ui::WriteFileAtomically(ui::ProgramFile(kOptionsFile), kResetOptionsText);
    } catch (const std::exception& e) {
        ShowNotWritten(e);
        return;
    }
    // The custom width and height and the WebP quality stay as they are.
    SelectDefaults();
}

// --- Buttons and custom resolution ---------------------------------------------

void OptionsPanel::Command1_Click() {
    const ui::MsgAnswer answer =
        ui::MsgBox(main_.Catalogue(i18n::entry::kResetQuestion), ui::MsgIcon::Question, ui::MsgButtons::YesNo,
                   "Vellicor Rizezuza");
    if (answer == ui::MsgAnswer::Yes) Options_Reset();
}

void OptionsPanel::Command3_Click() {
    Options_Save();
}

void OptionsPanel::Option6_Click() {
    if (Option6.Value()) EnableCustomBoxes(true);
}

void OptionsPanel::Option6_LostFocus() {
    if (!Option6.Value()) EnableCustomBoxes(false);
}

void OptionsPanel::EnableCustomBoxes(bool enabled) {
    for (ui::TextBox* box : {&txt_CustomRes1, &txt_CustomRes2}) EnableBox(*box, enabled);
}

void OptionsPanel::EnableBox(ui::TextBox& box, bool enabled) {
    box.SetEnabled(enabled);
    box.SetBackColor(enabled ? kCustomEnabledColor : kCustomDisabledColor);
}

void OptionsPanel::txt_CustomRes1_LostFocus() {
    CheckCustomNumber(txt_CustomRes1);
}
void OptionsPanel::txt_CustomRes2_LostFocus() {
    CheckCustomNumber(txt_CustomRes2);
}

void OptionsPanel::txt_WebpQuality_LostFocus() {
    if (!ParseWebpQuality(txt_WebpQuality.Text()))
        ui::MsgBox(main_.Catalogue(i18n::entry::kWebpQualityRefused), ui::MsgIcon::Exclamation);
}

// The text stays as typed, and nothing keeps it from being saved.
void OptionsPanel::CheckCustomNumber(const ui::TextBox& box) {
    if (!LocaleNumber(box.Text()))
        ui::MsgBox(main_.Catalogue(i18n::entry::kNotANumber), ui::MsgIcon::Exclamation);
}

} // namespace app
