#include "app/AboutForm.h"

#include "app/App.h"
#include "app/LogText.h"
#include "app/MainForm.h"
#include "app/Version.h"
#include "i18n/CatalogueEntries.h"
#include "ui/Dialogs.h"
#include "ui/IndependentStep.h"
#include "ui/ProgramFolder.h"
#include "ui/SystemLibrary.h"
#include "ui/WideText.h"

#include <shellapi.h>

#include <vector>

namespace app {
namespace {

constexpr const char* kFixedTexts[] = {"Product version", "Language driver version",
                                       "Language",        "Driver made by",
                                       "Developed by",    "Created by",
                                       "Page product",    "e-Mail"};
constexpr const char* kMakerTexts[] = {"Vellicor Software", "The Vellicor Rizezuza team",
                                       "www.vellicor.example/rizezuza", "support@vellicor.example"};

} // namespace

// The version API is not one of the system's known DLLs: it is loaded from
// the system folder, never found beside the program.
std::string CopyrightFromVersionInfo() {
    const ui::SystemLibrary library(L"version.dll");
    const auto getSize = library.Find<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW");
    const auto getInfo = library.Find<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoW");
    const auto queryValue = library.Find<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>("VerQueryValueW");
    if (!getSize || !getInfo || !queryValue) return {};
    const std::wstring path = ui::Wide(ui::ProgramPath());
    DWORD ignored = 0;
    const DWORD size = getSize(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> info(size);
    if (!getInfo(path.c_str(), 0, size, info.data())) return {};
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!queryValue(info.data(), L"\\StringFileInfo\\040904b0\\LegalCopyright",
                    reinterpret_cast<void**>(&text), &length) ||
        !text)
        return {};
    return ui::Utf8(std::wstring_view(text, length > 0 ? length - 1 : 0));
}

AboutForm::AboutForm()
    : ui::Form(std::string(":: ") + kMakerAddress + " ::", 6300, 4440, ui::FormStyle::Fixed), imgLogo(*this),
      lbl_Version(*this), lbl_Copyright(*this), lbl_DRVVersion(*this), lbl_DRVLanguage(*this),
      lbl_DriverMade(*this), Command1(*this), WebLink1(*this, "", "https://www.vellicor.example/bugs"),
      WebLink2(*this, "Forum", "https://www.vellicor.example/forum"), Command3(*this, "patchGet..."),
      lbl_Chiudi(*this, " X "), FixedLabels{ui::Label(*this), ui::Label(*this), ui::Label(*this),
                                            ui::Label(*this), ui::Label(*this), ui::Label(*this),
                                            ui::Label(*this), ui::Label(*this)},
      MakerLabels{ui::Label(*this), ui::Label(*this), ui::Label(*this), ui::Label(*this)} {
    SetStartUpPosition(ui::StartUpPosition::CenterScreen);
    imgLogo.SetStretch(true);
    imgLogo.Move(240, 240, 720, 720);
    lbl_Chiudi.Move(5880, 60, 300, 255);
    lbl_Chiudi.SetBold(true);
    // Label column and value column, one row each.
    ui::Label* values[] = {&lbl_Version,    &lbl_DRVVersion, &lbl_DRVLanguage, &lbl_DriverMade,
                           &MakerLabels[0], &MakerLabels[1], &MakerLabels[2],  &MakerLabels[3]};
    for (size_t row = 0; row < FixedLabels.size(); ++row) {
        const int top = 300 + static_cast<int>(row) * 330;
        FixedLabels[row].SetCaption(kFixedTexts[row]);
        FixedLabels[row].Move(1200, top, 2100, 255);
        values[row]->Move(3360, top, 2820, 255);
    }
    for (size_t i = 0; i < MakerLabels.size(); ++i) MakerLabels[i].SetCaption(kMakerTexts[i]);
    lbl_Version.SetBold(true);
    lbl_Copyright.Move(1200, 3000, 4980, 255);
    WebLink1.Move(1200, 3360, 2100, 255);
    WebLink2.Move(3360, 3360, 1500, 255);
    Command3.Move(1200, 3840, 1500, 420);
    Command1.Move(4680, 3840, 1500, 420);
    Command1.OnClick = [this] { Command1_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    lbl_Chiudi.OnClick = [this] { lbl_Chiudi_Click(); };
}

void AboutForm::Form_Load() {
    Get_Language();
    lbl_Version.SetCaption(AboutVersionText(kVersionMajor, kVersionMinor, kVersionRevision));
    lbl_Copyright.SetCaption(CopyrightFromVersionInfo());
    imgLogo.SetPicture(App::Current().Main().Image1.GetPicture());
}

void AboutForm::Get_Language() {
    MainForm& main = App::Current().Main();
    constexpr char kSequence[] = "About window captions";
    ui::RunIndependently(kSequence,
                         [&] { lbl_DRVVersion.SetCaption(main.Catalogue(i18n::entry::kDriverVersion)); });
    ui::RunIndependently(kSequence,
                         [&] { lbl_DRVLanguage.SetCaption(main.Catalogue(i18n::entry::kDriverLanguage)); });
    ui::RunIndependently(kSequence,
                         [&] { lbl_DriverMade.SetCaption(main.Catalogue(i18n::entry::kDriverAuthor)); });
    ui::RunIndependently(kSequence, [&] { Command1.SetCaption(main.Catalogue(i18n::entry::kAboutOk)); });
    ui::RunIndependently(kSequence, [&] { WebLink1.SetCaption(main.Catalogue(i18n::entry::kWebLink)); });
}

void AboutForm::Command1_Click() {
    Unload();
    MainForm& main = App::Current().Main();
    main.SetWindowState(ui::WindowState::Normal);
    main.Show();
}

void AboutForm::lbl_Chiudi_Click() {
    Hide();
    App::Current().Main().Show();
}

std::string AboutForm::UpdaterPath() {
    return ui::ProgramFolder() + "\\patchget.exe";
}

void AboutForm::Command3_Click() {
    // Started by full path from the program's own folder, never found through
    // the search path. A missing updater must not stop the program.
    const std::string updater = UpdaterPath();
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(hWnd(), L"open", ui::Wide(updater).c_str(), nullptr,
                                                ui::Wide(ui::ProgramFolder()).c_str(), SW_SHOWNORMAL));
    if (result <= 32) ui::MsgBox(updater + " could not be started.", ui::MsgIcon::Exclamation);
}

} // namespace app
