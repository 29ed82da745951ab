// The About window: version, copyright, the language driver's identity, the
// maker's links and the updater.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Hyperlink.h"
#include "ui/PictureControls.h"

#include <array>
#include <string>

namespace app {

inline constexpr char kMakerAddress[] = "www.vellicor.example";

// The copyright string of the program's version information.
std::string CopyrightFromVersionInfo();

class AboutForm : public ui::Form {
  public:
    AboutForm();

    void Get_Language();
    void Command1_Click();   // close: unload, main window in normal state
    void lbl_Chiudi_Click(); // " X ": hide, the window stays loaded
    void Command3_Click();   // start the updater
    // The updater beside the program.
    static std::string UpdaterPath();

    ui::Image imgLogo;
    ui::Label lbl_Version;
    ui::Label lbl_Copyright;
    ui::Label lbl_DRVVersion;
    ui::Label lbl_DRVLanguage;
    ui::Label lbl_DriverMade;
    ui::CommandButton Command1;
    ui::Hyperlink WebLink1; // bug report
    ui::Hyperlink WebLink2; // forum
    ui::CommandButton Command3;
    ui::Label lbl_Chiudi;
    std::array<ui::Label, 8> FixedLabels;
    std::array<ui::Label, 4> MakerLabels;

  protected:
    void Form_Load() override;
    // The title bar's close box and Alt+F4 close it as Command1 does.
    void Form_CloseBox() override { Command1_Click(); }
};

} // namespace app
