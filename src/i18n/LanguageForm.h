// The language chooser ("Language Changer"): the user picks one of the
// language folders below "lang"; the first driver file of that folder is
// copied into the program's folder as the language driver file. On a first
// run it completes the start; later it changes the language.
#pragma once

#include "i18n/LanguageHost.h"
#include "ui/Controls.h"
#include "ui/FileLists.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"

namespace i18n {

class LanguageForm : public ui::Form {
  public:
    explicit LanguageForm(LanguageHost& host);

    void Get_Language();
    void Get_Flag();
    void Dir1_Change();
    void Change_Language();
    void Command2_Click(); // cancel, later use: back to the main window
    void Command3_Click(); // cancel, first run: ends the program
    void cmd_Refresh_Click();

    ui::Label lbl_Lingua;
    ui::Label lbl_Seleziona;
    ui::DirList Dir1;
    ui::FileList File1; // "vlcr*.drv"
    ui::FileList File2; // "*.jpg"
    ui::PictureBox Picture1;
    ui::Image img_Flag;
    ui::CommandButton Command1; // OK
    ui::CommandButton Command2; // Cancel (later use)
    ui::CommandButton Command3; // Cancel (first run)
    ui::CommandButton cmd_Refresh;
    ui::Label lbl_NoDriver; // shown while the folder holds no language driver

  protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;
    // Alt+F4 or a close request from another program: the visible Cancel.
    void Form_CloseBox() override;

  private:
    void ShowFlag(const ui::Picture& flag);
    void CompleteLanguageChange();
    static void SetFolder(const std::string& folder);
    // The index in File1 of the first complete language driver; -1 if none.
    int FirstDriver() const;

    LanguageHost& host_;
};

} // namespace i18n
