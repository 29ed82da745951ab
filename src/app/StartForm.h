// The start-up form: the first form of the program, an invisible host. It
// refuses a second running copy, opens the main window (or the language
// chooser on a first run) and owns the tray menu.
#pragma once

#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/SingleInstance.h"

#include <memory>
#include <vector>

namespace app {

// The first-run marker in the program's folder: present on a fresh installation.
inline constexpr char kFirstRunMarker[] = "VLSTART.1ST";
bool FirstRunMarkerExists();

class StartForm : public ui::Form {
  public:
    StartForm();

    // The tray menu vlcr_Main, shown only as a pop-up.
    ui::MenuItem Folders;
    ui::MenuItem Options;
    ui::MenuItem In_Memory;
    ui::MenuItem blank1;
    ui::MenuItem Blank;
    ui::MenuItem blank2;
    ui::MenuItem Close;
    std::vector<ui::MenuItem*> TrayMenuItems();
    // Opens the tray menu at a screen point (pixels), In_Memory bold.
    void ShowTrayMenu(POINT at);

    void Folders_Click();
    void Options_Click();
    void In_Memory_Click();
    void Close_Click();

  protected:
    void Form_Load() override;

  private:
    std::unique_ptr<ui::SingleInstance> instance_;
};

} // namespace app
