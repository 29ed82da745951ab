// The running program: its forms, the single-instance claim and the end of
// the program. The forms of the main window's room reach each other through
// App::Current(); the rooms below it (capture, notification, viewer,
// language chooser) reach the program only through the host interfaces that
// App implements.
#pragma once

#include "catcher/CaptureHost.h"
#include "clipboard/ViewerHost.h"
#include "i18n/LanguageHost.h"
#include "notify/NotificationHost.h"

#include <memory>

namespace clipboard {
class ClipViewerForm;
}
namespace notify {
class NotificationForm;
}
namespace i18n {
class LanguageForm;
}

namespace app {

class StartForm;
class MainForm;
class AboutForm;

class App final : public catcher::CaptureHost,
                  public notify::NotificationHost,
                  public clipboard::ViewerHost,
                  public i18n::LanguageHost {
  public:
    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App& Current();

    StartForm& Start() { return *start_; }
    MainForm& Main() { return *main_; }
    notify::NotificationForm& Notifications() { return *notifications_; }
    // The default clipboard viewer, which watches the clipboard.
    clipboard::ClipViewerForm& Viewer() { return *viewer_; }
    AboutForm& About() { return *about_; }
    i18n::LanguageForm& Language() { return *language_; }

    // Starts the program (the start form's load) and runs its message loop
    // until the program ends. Returns the process exit code.
    int Run();
    // Ends the program at once: every viewer leaves the clipboard-viewer
    // chain, every window goes, and the message loop stops.
    void End();
    bool Ended() const { return ended_; }

    // i18n::Messages: the main window's catalogue, status line and log.
    std::string Catalogue(int entry) override;
    void AppendLog(const std::string& message) override;
    void SetStatus(const std::string& text) override;
    void ErrorReport(int entry, ui::MsgIcon icon) override;

    // catcher::CaptureHost
    void PrepareNotification() override;
    void ShowNotification(const std::string& sizeText, const ui::Picture& preview) override;
    void ShowSizeInNotification(const std::string& sizeText) override;
    void CloseNotification() override;
    void HoldNotificationBack() override;
    void RejoinChain() override;
    void RestartViewer() override;
    void ShowViewer() override;

    // notify::NotificationHost
    void SaveIntoSlot(int slot) override;
    bool SlotOffered(int slot) override;
    std::string SlotFolder(int slot) override;
    bool EmptiesClipboardAtClose() override;
    void EmptyClipboard() override;
    void SetNamesByHand(int value) override;

    // clipboard::ViewerHost
    void ShowNoPicture(const std::string& noPictureText) override;

    // i18n::LanguageHost
    std::string ProgramFolder() override;
    bool FirstRun() override;
    void LanguageChanged() override;
    void ShowMainWindow() override;
    void EndProgram() override { End(); }

  private:
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<notify::NotificationForm> notifications_;
    std::unique_ptr<clipboard::ClipViewerForm> viewer_;
    std::unique_ptr<AboutForm> about_;
    std::unique_ptr<i18n::LanguageForm> language_;
    std::unique_ptr<StartForm> start_;
    bool running_ = false;
    bool ended_ = false;
};

} // namespace app
