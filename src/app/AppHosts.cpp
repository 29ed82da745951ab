// What the rooms below the main window ask of the program, answered from
// its forms.
#include "app/App.h"

#include "app/MainForm.h"
#include "app/StartForm.h"
#include "clipboard/ClipViewerForm.h"
#include "notify/NotificationForm.h"
#include "ui/ProgramFolder.h"
#include "ui/WideText.h"

#include <stdexcept>

namespace app {

// --- Messages ------------------------------------------------------------------

std::string App::Catalogue(int entry) {
    return main_->Catalogue(entry);
}

void App::AppendLog(const std::string& message) {
    main_->AppendLog(message);
}

void App::SetStatus(const std::string& text) {
    main_->lbl_Status.SetCaption(text);
}

void App::ErrorReport(int entry, ui::MsgIcon icon) {
    main_->ErrorReport(entry, icon);
}

// --- The capture ---------------------------------------------------------------

void App::PrepareNotification() {
    notifications_->PrepareForCapture();
}

void App::ShowNotification(const std::string& sizeText, const ui::Picture& preview) {
    notifications_->ShowNotification(sizeText, preview);
}

void App::ShowSizeInNotification(const std::string& sizeText) {
    notifications_->lbl_Resolution.SetCaption(sizeText);
}

// The close counter at 7 closes the window at once.
void App::CloseNotification() {
    notifications_->txt_Timer2.SetText("7");
}

void App::HoldNotificationBack() {
    notifications_->Timer3.SetEnabled(false);
}

void App::RejoinChain() {
    viewer_->RejoinChain();
}

void App::RestartViewer() {
    viewer_->Unload();
    viewer_->Load();
}

void App::ShowViewer() {
    main_->Command17_Click();
}

// --- The notification ----------------------------------------------------------

void App::SaveIntoSlot(int slot) {
    main_->saver.Save_Picture(slot);
}

bool App::SlotOffered(int slot) {
    return main_->settings.Slot(slot).offered;
}

std::string App::SlotFolder(int slot) {
    return main_->settings.Slot(slot).folder;
}

bool App::EmptiesClipboardAtClose() {
    return main_->settings.options.emptyAtClose;
}

void App::EmptyClipboard() {
    main_->capture.EmptyClipboard();
}

void App::SetNamesByHand(int value) {
    main_->options.Check7.SetValue(value);
}

// --- The viewer ----------------------------------------------------------------

void App::ShowNoPicture(const std::string& noPictureText) {
    main_->capture.ShowNoPicture(noPictureText);
    notifications_->lbl_Resolution.SetCaption(noPictureText);
}

// --- The language chooser ------------------------------------------------------

std::string App::ProgramFolder() {
    return main_->txt_InitDir.Text();
}

bool App::FirstRun() {
    return FirstRunMarkerExists();
}

void App::LanguageChanged() {
    main_->Set_Language();
    main_->Get_Language();
    main_->ApplyTitleAndResolutionOptions();
    if (!FirstRunMarkerExists()) return;
    main_->ShowTrayIcon();
    main_->FinishFirstRun();
    if (!DeleteFileW(ui::Wide(ui::ProgramFile(kFirstRunMarker)).c_str()))
        throw std::runtime_error("the first-run marker could not be deleted");
}

void App::ShowMainWindow() {
    main_->Show();
}

} // namespace app
