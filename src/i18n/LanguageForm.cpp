#include "i18n/LanguageForm.h"

#include "i18n/CatalogueEntries.h"
#include "i18n/DriverLines.h"
#include "i18n/MessageCatalogue.h"
#include "ui/AtomicFile.h"
#include "ui/CurrentDirectory.h"
#include "ui/IndependentStep.h"
#include "ui/SettingsFile.h"
#include "ui/WideText.h"

#include <stdexcept>

namespace i18n {
namespace {

constexpr char kSteps[] = "Language chooser";
constexpr char kNoDriverText[] = "This folder holds no language driver.";

} // namespace

LanguageForm::LanguageForm(LanguageHost& host)
    : ui::Form("Language Changer", 5400, 3900, ui::FormStyle::Fixed),
      lbl_Lingua(*this, "Choose your language!"), lbl_Seleziona(*this, "Languages"), Dir1(*this),
      File1(*this, "vlcr*.drv"), File2(*this, "*.jpg"), Picture1(*this), img_Flag(*this),
      Command1(*this, "&OK"), Command2(*this, "&Cancel"), Command3(*this, "&Cancel"),
      cmd_Refresh(*this, "Refres&h"), lbl_NoDriver(*this, kNoDriverText), host_(host) {
    SetStartUpPosition(ui::StartUpPosition::CenterScreen);
    lbl_Lingua.SetBold(true);
    lbl_Lingua.Move(1200, 120, 4080, 300);
    lbl_Seleziona.Move(1200, 480, 2400, 255);
    Dir1.Move(1200, 780, 2700, 2580);
    lbl_NoDriver.Move(1200, 3420, 2700, 420);
    lbl_NoDriver.SetVisible(false);
    img_Flag.SetStretch(true);
    img_Flag.Move(4080, 780, 1200, 750);
    Command1.Move(4080, 2040, 1200, 375);
    Command2.Move(4080, 2520, 1200, 375);
    Command3.Move(4080, 2520, 1200, 375);
    cmd_Refresh.Move(4080, 3285, 1200, 375);
    Command1.SetEnabled(false);
    Command2.SetVisible(false);
    // The file lists and the picture box work behind the scenes.
    File1.SetVisible(false);
    File2.SetVisible(false);
    Picture1.SetVisible(false);
    File1.Move(0, 0, 300, 300);
    File2.Move(0, 0, 300, 300);
    Picture1.Move(0, 0, 300, 300);

    Dir1.OnChange = [this] { Dir1_Change(); };
    Command1.OnClick = [this] { Change_Language(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    cmd_Refresh.OnClick = [this] { cmd_Refresh_Click(); };
}

void LanguageForm::Form_Load() {
    // No Close command: the chooser is left with OK or Cancel only.
    ui::RunIndependently(kSteps,
                         [this] { RemoveMenu(GetSystemMenu(hWnd(), FALSE), SC_CLOSE, MF_BYCOMMAND); });
    if (!host_.FirstRun()) {
        ui::RunIndependently(kSteps, [this] { Get_Language(); });
        ui::RunIndependently(kSteps, [this] { Get_Flag(); });
        ui::RunIndependently(kSteps, [this] {
            const std::string lang = host_.ProgramFolder() + "\\lang";
            SetFolder(lang);
            Dir1.SetPath(lang);
        });
        Command2.SetVisible(true);
        Command3.SetVisible(false);
        return;
    }
    ui::RunIndependently(kSteps, [this] {
        // A missing lang folder leaves the list where it is.
        if (Dir1.SetPath(host_.ProgramFolder() + "\\lang")) SetFolder(Dir1.Path());
    });
    lbl_Lingua.SetCaption("Choose your language!");
    lbl_Seleziona.SetCaption("Languages");
    Command1.SetCaption("&OK");
    Command2.SetCaption("&Cancel");
    cmd_Refresh.SetCaption("Refres&h");
    Command3.SetVisible(true);
    Command2.SetVisible(false);
}

void LanguageForm::Form_Activate() {
    // The list of languages has the keyboard: arrows, Enter to open a folder.
    Dir1.SetFocus();
}

void LanguageForm::Form_Unload() {
    SetFolder(host_.ProgramFolder());
    host_.ShowMainWindow();
}

void LanguageForm::Get_Language() {
    ui::RunIndependently(kSteps, [this] { lbl_Lingua.SetCaption(""); });
    ui::RunIndependently(kSteps,
                         [this] { lbl_Seleziona.SetCaption(host_.Catalogue(entry::kLanguagesLabel)); });
    ui::RunIndependently(kSteps, [this] { Command1.SetCaption(host_.Catalogue(entry::kLanguageOk)); });
    ui::RunIndependently(kSteps, [this] { Command2.SetCaption(host_.Catalogue(entry::kLanguageCancel)); });
    ui::RunIndependently(kSteps,
                         [this] { cmd_Refresh.SetCaption(host_.Catalogue(entry::kLanguageRefresh)); });
}

void LanguageForm::Get_Flag() {
    const std::string folder = host_.Catalogue(entry::kLanguagesFolder);
    const std::string path = host_.ProgramFolder() + "\\Lang\\" + folder + "\\" + folder + "_2.jpg";
    ShowFlag(ui::Picture::FromFile(path));
}

void LanguageForm::ShowFlag(const ui::Picture& flag) {
    SetBackgroundPicture(flag);
    Picture1.SetPicture(flag);
    img_Flag.SetPicture(Picture1.GetPicture());
}

void LanguageForm::Dir1_Change() {
    ui::RunIndependently(kSteps, [this] { SetFolder(Dir1.Path()); });
    const std::string folder = ui::CurrentDirectory();
    File1.SetPath(folder);
    File2.SetPath(folder);
    // Only a complete driver is taken: VLCREXT.INI in the program's folder
    // or a short file would leave every caption blank.
    const bool hasDriver = FirstDriver() >= 0;
    Command1.SetEnabled(hasDriver);
    lbl_NoDriver.SetVisible(!hasDriver);
    if (!hasDriver) return; // the flag pictures stay as they are
    if (File2.ListCount() > 0) File2.SetListIndex(0);
    ShowFlag(File2.ListCount() > 0 ? ui::Picture::FromFile(folder + "\\" + File2.List(0)) : ui::Picture());
}

void LanguageForm::Change_Language() {
    try {
        const int driver = FirstDriver();
        if (driver < 0) throw std::runtime_error("no language driver file in this folder");
        File1.SetListIndex(driver);
        const std::string chosen = File1.Path() + "\\" + File1.List(driver);
        const std::string target = host_.ProgramFolder() + "\\" + kLanguageDriverFile;
        // Copied beside the old driver first, then renamed over it: a failed
        // copy never leaves a broken driver file.
        const std::string temp = ui::TempNameBeside(target);
        if (!CopyFileW(ui::Wide(chosen).c_str(), ui::Wide(temp).c_str(), FALSE)) {
            DeleteFileW(ui::Wide(temp).c_str());
            throw std::runtime_error("the language driver file could not be copied");
        }
        ui::MoveIntoPlace(temp, target);
        SetFolder(host_.ProgramFolder());
        CompleteLanguageChange();
    } catch (const std::exception& e) {
        OutputDebugStringA(("The language could not be changed: " + std::string(e.what()) + "\n").c_str());
        host_.ErrorReport(entry::kNotSaved, ui::MsgIcon::Critical);
        host_.EndProgram();
    }
}

void LanguageForm::CompleteLanguageChange() {
    host_.LanguageChanged();
    Unload();
}

void LanguageForm::Command2_Click() {
    SetFolder(host_.ProgramFolder());
    Unload();
    host_.ShowMainWindow();
}

void LanguageForm::Form_CloseBox() {
    // Unloading without a choice would leave a first run with an empty main
    // window and no tray icon.
    if (Command3.Visible())
        Command3_Click();
    else
        Command2_Click();
}

void LanguageForm::Command3_Click() {
    host_.EndProgram();
}

void LanguageForm::cmd_Refresh_Click() {
    Dir1.Refresh();
}

int LanguageForm::FirstDriver() const {
    for (int i = 0; i < File1.ListCount(); ++i) {
        const std::optional<std::string> head =
            ui::ReadSettingsHead(File1.Path() + "\\" + File1.List(i), kDriverMinLines);
        if (head && ui::SplitSettingsLines(*head).size() >= kDriverMinLines) return i;
    }
    return -1;
}

void LanguageForm::SetFolder(const std::string& folder) {
    if (!SetCurrentDirectoryW(ui::Wide(folder).c_str()))
        throw std::runtime_error("cannot change to the folder " + folder);
}

} // namespace i18n
