#include "app/OptionsPanel.h"

#include "app/MainForm.h"

namespace app {

OptionsPanel::OptionsPanel(MainForm& main, ui::Frame& frame)
    : lbl_Options(main), lbl_FromResolution(main), Option1(main, "640 x 480"), Option2(main, "800 x 600"),
      Option3(main, "1024 x 768"), Option4(main, "1280 x 1024"), Option5(main, "1600 x 1200"), Option6(main),
      txt_CustomRes1(main), txt_CustomRes2(main), Check1(main), Check2(main), Check3(main), Check4(main),
      Check5(main), Check6(main), Check7(main), Check8(main), Command1(main), Command3(main), Command2(main),
      lst_Options(main), main_(main) {
    LayOut(frame);
    // The initial values are the reset defaults: 800 x 600, Check1, Check2
    // and Check8 ticked.
    Option2.SetValue(true);
    Check1.SetValue(1);
    Check2.SetValue(1);
    Check8.SetValue(1);
    Command2.OnClick = [this] { main_.Command2_Click(); };
}

void OptionsPanel::LayOut(ui::Frame& frame) {
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&lbl_Options, &lbl_FromResolution, &Option1, &Option2, &Option3,
                                             &Option4, &Option5, &Option6, &txt_CustomRes1, &txt_CustomRes2,
                                             &Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8,
                                             &Command1, &Command3, &Command2, &lst_Options})
        control->SetContainer(frame);
    lbl_Options.SetBold(true);
    lbl_Options.Move(120, 60, 7200, 300);
    lbl_FromResolution.Move(120, 480, 2600, 255);
    ui::OptionButton* resolutions[] = {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6};
    for (int i = 0; i < 6; ++i) resolutions[i]->Move(240, 780 + i * 330, 1500, 300);
    Option6.Move(240, 780 + 5 * 330, 1000, 300);
    txt_CustomRes1.Move(1260, 780 + 5 * 330, 660, 300);
    txt_CustomRes2.Move(2000, 780 + 5 * 330, 660, 300);
    ui::CheckBox* checks[] = {&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8};
    for (int i = 0; i < 8; ++i) checks[i]->Move(2900, 480 + i * 390, 4400, 330);
    Command1.Move(120, 3900, 1700, 420);
    Command3.Move(1940, 3900, 1700, 420);
    Command2.Move(5600, 3900, 1700, 420);
    lst_Options.SetVisible(false);
    lst_Options.Move(0, 0, 600, 600);
    txt_CustomRes1.SetEnabled(false);
    txt_CustomRes2.SetEnabled(false);
    txt_CustomRes1.SetBackColor(0xE0E0E0);
    txt_CustomRes2.SetBackColor(0xE0E0E0);
}

void OptionsPanel::Options_Save() {}
void OptionsPanel::Options_Load() {}
void OptionsPanel::Options_Reset() {}
void OptionsPanel::Command1_Click() {}
void OptionsPanel::Command3_Click() {}
void OptionsPanel::Option6_Click() {}
void OptionsPanel::Option6_LostFocus() {}
void OptionsPanel::txt_CustomRes1_LostFocus() {}
void OptionsPanel::txt_CustomRes2_LostFocus() {}

} // namespace app
