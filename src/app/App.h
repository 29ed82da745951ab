// The running program: its forms, the single-instance claim and the end of
// the program. The forms reach each other through App::Current().
#pragma once

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

class App {
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
