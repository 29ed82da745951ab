// The target-folders panel: five numbered slots, each a folder text box, an
// in-use check box, a browse button and a settings file TARGETn.INI. What
// the capture follows of them is written into its settings as they change.
#pragma once

#include "app/TargetFile.h"
#include "catcher/CaptureSettings.h"
#include "ui/Controls.h"

#include <array>
#include <string>

namespace app {

class MainForm;

class TargetPanel {
  public:
    // `published` is kept equal to the slots' folder texts and in-use boxes
    // (a greyed box offers its slot).
    TargetPanel(MainForm& main, ui::Frame& frame, catcher::CaptureSettings& published);

    // Slots are numbered 1..5.
    void TargetPath_Load(int slot);
    // Writes the slot's file unless its folder text is empty. Throws
    // std::runtime_error when the file cannot be written (the old one stays).
    void TargetPath_Save(int slot);
    void Command5_Click(); // save the slots and the name template
    // The file-name template and the counter's next value (VLCRNAME.INI).
    void NameTemplate_Load();
    // Throws std::runtime_error when the file cannot be written (the old one stays).
    void NameTemplate_Save();
    // The name the template would give the next picture, beside it.
    void ShowNamePreview();
    void Browse_Click(int slot); // Command6 .. Command10

    ui::TextBox& FolderText(int slot) { return *folderTexts_.at(static_cast<size_t>(slot - 1)); }
    ui::CheckBox& InUse(int slot) { return *inUse_.at(static_cast<size_t>(slot - 1)); }
    ui::CommandButton& BrowseButton(int slot) { return *browse_.at(static_cast<size_t>(slot - 1)); }

    ui::Label lbl_TargetTitle;
    ui::Label lbl_Target;
    ui::Label lbl_TargetDescription;
    std::array<ui::Label, kSlotCount> lbl_Slot; // "#1:" .. "#5:"
    ui::TextBox txt_TargetPath, txt_TargetPath2, txt_TargetPath3, txt_TargetPath4, txt_TargetPath5;
    ui::CheckBox Check_Folder_1, Check_Folder_2, Check_Folder_3, Check_Folder_4, Check_Folder_5;
    ui::CommandButton Command6, Command7, Command8, Command9, Command10;
    ui::CommandButton Command5; // save
    ui::Label lbl_NameTemplate;
    ui::TextBox txt_NameTemplate;
    ui::Label lbl_NamePreview;

  private:
    void LayOut(ui::Frame& frame);
    void Publish(int slot);
    void SaveSlots();
    MainForm& main_;
    catcher::CaptureSettings& published_;
    std::array<ui::TextBox*, kSlotCount> folderTexts_;
    std::array<ui::CheckBox*, kSlotCount> inUse_;
    std::array<ui::CommandButton*, kSlotCount> browse_;
};

} // namespace app
