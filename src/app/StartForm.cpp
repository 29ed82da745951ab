#include "app/StartForm.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/CatalogueEntries.h"
#include "i18n/DriverLines.h"
#include "i18n/LanguageForm.h"
#include "notify/NotificationForm.h"
#include "ui/AppTitle.h"
#include "ui/Dialogs.h"
#include "ui/ProgramFolder.h"
#include "ui/WideText.h"

namespace app {

bool FirstRunMarkerExists() {
    return GetFileAttributesW(ui::Wide(ui::ProgramFile(kFirstRunMarker)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

StartForm::StartForm() : ui::Form("Vellicor Rizezuza", 1200, 600, ui::FormStyle::ToolPopup) {
    Folders.caption = "Folders";
    Options.caption = "Options";
    In_Memory.caption = "In memory";
    blank1.separator = true;
    Blank.caption = "Cancel";
    blank2.separator = true;
    Close.caption = "Close";
    Folders.OnClick = [this] { Folders_Click(); };
    Options.OnClick = [this] { Options_Click(); };
    In_Memory.OnClick = [this] { In_Memory_Click(); };
    Close.OnClick = [this] { Close_Click(); };
}

std::vector<ui::MenuItem*> StartForm::TrayMenuItems() {
    return {&Folders, &Options, &In_Memory, &blank1, &Blank, &blank2, &Close};
}

void StartForm::ShowTrayMenu(POINT at) {
    Load();
    ui::ShowPopupMenu(hWnd(), at, TrayMenuItems(), &In_Memory);
}

void StartForm::Form_Load() {
    App& program = App::Current();
    instance_ = std::make_unique<ui::SingleInstance>();
    if (instance_->AnotherIsRunning()) {
        // The running copy is not contacted. Only the catalogue is loaded for
        // the message: a full start would empty the clipboard, join the
        // viewer chain and could catch a picture a second time.
        program.Notifications().Timer3.SetEnabled(false);
        ui::SetAppTitle(clipboard::ClipViewerForm::kDesignCaption);
        program.Main().Set_Language();
        program.Main().ErrorReport(i18n::entry::kProgramRunning, ui::MsgIcon::Critical);
        program.End();
        return;
    }
    program.Main().Show();
    if (program.Ended()) return;
    if (!FirstRunMarkerExists()) {
        Hide();
        return;
    }
    program.Main().Hide();
    program.Language().Show();
    Hide();
}

void StartForm::Folders_Click() {
    MainForm& main = App::Current().Main();
    main.Show();
    main.SetWindowState(ui::WindowState::Normal);
    main.ShowPanel(MainForm::Panel::Target);
    App::Current().Notifications().Timer3.SetEnabled(false);
}

void StartForm::Options_Click() {
    MainForm& main = App::Current().Main();
    main.Show();
    main.SetWindowState(ui::WindowState::Normal);
    main.ShowPanel(MainForm::Panel::Options);
}

void StartForm::In_Memory_Click() {
    MainForm& main = App::Current().Main();
    main.Show();
    main.SetWindowState(ui::WindowState::Normal);
    App::Current().Notifications().Timer3.SetEnabled(false);
}

void StartForm::Close_Click() {
    App::Current().Main().EndProgram();
}

} // namespace app
