#include "app/App.h"

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "clipboard/ClipViewerForm.h"
#include "clipboard/ViewerWindows.h"
#include "i18n/LanguageForm.h"
#include "notify/NotificationForm.h"

#include <stdexcept>

namespace app {
namespace {
App* current = nullptr;
}

App::App() {
    if (current) throw std::logic_error("only one program object may exist");
    current = this;
    main_ = std::make_unique<MainForm>(*this);
    notifications_ = std::make_unique<notify::NotificationForm>(*this);
    viewer_ = std::make_unique<clipboard::ClipViewerForm>(&main_->capture.engine, this);
    about_ = std::make_unique<AboutForm>();
    language_ = std::make_unique<i18n::LanguageForm>(*this);
    start_ = std::make_unique<StartForm>();
}

App::~App() {
    End();
    current = nullptr;
}

App& App::Current() {
    if (!current) throw std::logic_error("the program object does not exist");
    return *current;
}

int App::Run() {
    running_ = true;
    start_->Load();
    MSG msg{};
    while (!ended_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, arrow keys and access keys move between the controls of a form.
        HWND form = GetAncestor(msg.hwnd, GA_ROOT);
        if (form && IsDialogMessageW(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

void App::End() {
    if (ended_) return;
    ended_ = true;
    // Leave the clipboard-viewer chain before any window goes.
    clipboard::CloseViewerWindowsForEnd();
    viewer_->Unload();
    main_->RemoveTrayIcon();
    language_->Unload();
    about_->Unload();
    notifications_->Unload();
    main_->Unload();
    start_->Unload();
    if (running_) PostQuitMessage(0);
}

} // namespace app
