// The main window: options, target folders and memory panels, the picture
// buttons, the log list, the status and version labels, the message
// catalogue and the tray icon. Loaded once at start and hidden rather than
// closed.
#pragma once

#include "app/OptionsPanel.h"
#include "app/TargetPanel.h"
#include "catcher/CapturePipeline.h"
#include "catcher/MemoryPanel.h"
#include "catcher/PictureSaver.h"
#include "catcher/Wallpaper.h"
#include "i18n/MessageCatalogue.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/PictureButton.h"
#include "ui/PictureControls.h"
#include "ui/Timer.h"
#include "ui/TrayIcon.h"

#include <string>

namespace app {

class MainForm : public ui::Form {
  public:
    // The log list keeps at most this many lines, the latest.
    static constexpr int kLogLineLimit = 10000;

    // `host` is the program, as the capture sees it.
    explicit MainForm(catcher::CaptureHost& host);
    ~MainForm() override;

    enum class Panel { Options, Target, Memory };

    // --- Message catalogue --------------------------------------------
    // Replaces the catalogue by the lines of the language driver file.
    void Set_Language();
    // Sets every caption and tool tip of the main window and the tray menu.
    void Get_Language();
    // Entry N of the catalogue (see i18n::MessageCatalogue).
    std::string Catalogue(int entry) { return catalogue_.Text(entry); }
    // Message box "(N) text" without a title of its own.
    void ErrorReport(int entry, ui::MsgIcon icon) { catalogue_.ErrorReport(entry, icon); }

    // --- Log and options ------------------------------------------------
    // Appends a log line (date, time, message) while Check8 is ticked.
    void AppendLog(const std::string& message);
    // An option check box counts as set only when its value is exactly 1.
    static bool IsSet(const ui::CheckBox& check) { return check.Value() == 1; }

    // Start-up step M10: the window title, and all six resolution options enabled.
    void ApplyTitleAndResolutionOptions();
    // After the first run's language choice: what a normal start does beyond
    // the catalogue (the Windows directory, the notification window's place,
    // the version label), so that the first run catches pictures as well.
    void FinishFirstRun();

    // --- Panels, tray and end -------------------------------------------
    void ShowPanel(Panel panel);
    Panel VisiblePanel() const;
    // Shows the tray icon; while the shell refuses it, Timer2 tries again.
    void ShowTrayIcon();
    void RemoveTrayIcon();
    // Ends the program at once (the exit button and the tray menu's Close).
    void EndProgram();
    // What the user does on the tray icon: a double-click or Enter opens the
    // memory panel, the context menu (right click, Shift+F10) shows the tray menu.
    void WinTray1_Event(const ui::TrayIcon::Event& event);

    void Command16_Click();
    void Image1_Click();
    void Command2_Click();
    void Command17_Click();
    void Timer1_Timer();
    void lst_Log_MouseMove(int xTwips, int yTwips);
    void lst_Log_DblClick();

    // --- Controls -------------------------------------------------------
    ui::Frame Frame_Options;
    ui::Frame Frame_Target;
    ui::Frame Frame_Memory;
    // The picture buttons in their order on screen, top to bottom, which is
    // also their Tab order (controls are created in the order declared).
    ui::PictureButton CoolButton1; // options panel
    ui::PictureButton CoolButton4; // target-folders panel
    ui::PictureButton CoolButton3; // memory panel
    ui::PictureButton CoolButton2; // end the program
    ui::Image Image1;              // opens the About window
    ui::ListBox lst_Log;
    ui::CommandButton Command16; // shows and hides the log list
    ui::Label lbl_Status;
    ui::Label lbl_Version;
    ui::ListBox lst_Language; // the catalogue's store, hidden
    ui::TextBox txt_InitDir;  // the program's folder, hidden
    ui::Timer Timer1;         // once a minute: is the default viewer there?
    ui::Timer Timer2;         // tries a refused tray icon again

    catcher::CaptureSettings settings; // what the panels set and the capture follows
    OptionsPanel options;
    TargetPanel targets;
    catcher::MemoryPanel memory;
    catcher::CapturePipeline capture;
    catcher::PictureSaver saver;
    catcher::Wallpaper wallpaper;

    ui::UniqueIcon Icon; // the program icon, small size
    ui::TrayIcon WinTray1;
    int LogRow = 0; // the log row under the mouse at the last move

  protected:
    void Form_Load() override;
    void Form_ThemeChanged() override { SetArt(); }
    void Form_Resize() override;
    void Form_CloseBox() override;
    bool OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void LayOut();
    // The buttons' pictures, on the face of the theme.
    void SetArt();
    void WireEvents();
    void PlaceNotificationWindow();
    // The steps of the start the user does not see, once the window is drawn.
    void FinishStart();
    // Loads the hidden viewer, which joins the clipboard-viewer chain.
    void LoadViewer();
    // Shows a wanted tray icon that is missing; Timer2 runs until it shows.
    void RestoreTrayIcon();
    void CoverPanelsWithLog();
    i18n::MessageCatalogue catalogue_;
    UINT taskbarCreated_;
};

} // namespace app
