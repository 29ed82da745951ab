#include "app/TargetPanel.h"

#include "app/MainForm.h"

namespace app {

std::string TargetFileName(int slot) { return "TARGET" + std::to_string(slot) + ".INI"; }

TargetPanel::TargetPanel(MainForm& main, ui::Frame& frame)
    : lbl_TargetTitle(main), lbl_Target(main), lbl_TargetDescription(main),
      lbl_Slot{ui::Label(main, "#1:"), ui::Label(main, "#2:"), ui::Label(main, "#3:"), ui::Label(main, "#4:"),
               ui::Label(main, "#5:")},
      txt_TargetPath(main), txt_TargetPath2(main), txt_TargetPath3(main), txt_TargetPath4(main),
      txt_TargetPath5(main), Check_Folder_1(main), Check_Folder_2(main), Check_Folder_3(main),
      Check_Folder_4(main), Check_Folder_5(main), Command6(main), Command7(main), Command8(main), Command9(main),
      Command10(main), Command5(main), main_(main),
      folderTexts_{&txt_TargetPath, &txt_TargetPath2, &txt_TargetPath3, &txt_TargetPath4, &txt_TargetPath5},
      inUse_{&Check_Folder_1, &Check_Folder_2, &Check_Folder_3, &Check_Folder_4, &Check_Folder_5},
      browse_{&Command6, &Command7, &Command8, &Command9, &Command10} {
    LayOut(frame);
    for (int slot = 1; slot <= kSlotCount; ++slot) BrowseButton(slot).OnClick = [this, slot] { Browse_Click(slot); };
    Command5.OnClick = [this] { Command5_Click(); };
}

void TargetPanel::LayOut(ui::Frame& frame) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&lbl_TargetTitle, &lbl_Target,
                                                                     &lbl_TargetDescription, &Command5})
        control->SetContainer(frame);
    lbl_TargetTitle.SetBold(true);
    lbl_TargetTitle.Move(120, 60, 7200, 300);
    lbl_Target.Move(120, 480, 7200, 255);
    lbl_TargetDescription.Move(120, 780, 7200, 510);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int top = 1440 + (slot - 1) * 450;
        ui::Control* row[] = {&lbl_Slot[static_cast<size_t>(slot - 1)], &InUse(slot), &FolderText(slot),
                              &BrowseButton(slot)};
        for (ui::Control* control : row) control->SetContainer(frame);
        lbl_Slot[static_cast<size_t>(slot - 1)].Move(120, top + 45, 400, 255);
        InUse(slot).Move(540, top + 15, 255, 300);
        FolderText(slot).Move(840, top, 4900, 330);
        BrowseButton(slot).Move(5820, top, 1500, 330);
    }
    Command5.Move(120, 3900, 1700, 420);
}

void TargetPanel::TargetPath_Load(int) {}
void TargetPanel::TargetPath_Save(int) {}
void TargetPanel::Command5_Click() {}
void TargetPanel::Browse_Click(int) {}

} // namespace app
