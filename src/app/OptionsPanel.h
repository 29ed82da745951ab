// The options panel of the main window and the options file VLCREXT.INI.
// The controls hold the options; what a capture follows is written into the
// capture's settings whenever one of them changes.
#pragma once

#include "app/OptionsFile.h"
#include "catcher/CaptureSettings.h"
#include "ui/Controls.h"

#include <array>
#include <exception>

namespace app {

class MainForm;

class OptionsPanel {
  public:
    // `published` is kept equal to CaptureValues().
    OptionsPanel(MainForm& main, ui::Frame& frame, catcher::CaptureOptions& published);

    void Options_Save();
    void Options_Load();
    void Options_Reset();

    // The options as the controls hold them now.
    OptionsValues CurrentValues();
    // What a capture follows, read from the controls: the minimum of the
    // first selected resolution button (nothing when none is selected or
    // the custom size is not a number), and the check boxes that are
    // exactly 1.
    catcher::CaptureOptions CaptureValues();

    void Command1_Click(); // reset, after a question
    void Command3_Click(); // save
    void Option6_Click();
    void Option6_LostFocus();
    void txt_CustomRes1_LostFocus();
    void txt_CustomRes2_LostFocus();
    void txt_WebpQuality_LostFocus();

    ui::Label lbl_Options;
    ui::Label lbl_FromResolution;
    ui::OptionButton Option1;    // 640 x 480
    ui::OptionButton Option2;    // 800 x 600
    ui::OptionButton Option3;    // 1024 x 768
    ui::OptionButton Option4;    // 1280 x 1024
    ui::OptionButton Option5;    // 1600 x 1200
    ui::OptionButton Option6;    // custom
    ui::TextBox txt_CustomRes1;  // custom minimum width
    ui::TextBox txt_CustomRes2;  // custom minimum height
    ui::CheckBox Check1;         // load when the system starts (Windows' per-user Run value)
    ui::CheckBox Check2;         // start minimized
    ui::CheckBox Check3;         // automatic capture
    ui::CheckBox Check4;         // empty the clipboard when the notification closes
    ui::CheckBox Check5;         // empty the clipboard after the capture
    ui::CheckBox Check6;         // use the capture as wallpaper
    ui::CheckBox Check7;         // set file names by hand
    ui::CheckBox Check8;         // program log
    ui::CheckBox Check9;         // save pictures without loss (PNG)
    ui::CheckBox Check10;        // skip pictures nearly the same as one saved lately
    ui::CheckBox Check11;        // save pictures as WebP
    ui::TextBox txt_WebpQuality; // the quality of lossy WebP files (VLCRWEBP.INI)
    ui::Label lbl_Excluded;
    ui::TextBox txt_Excluded;   // programs whose copies are never caught (VLCREXCL.INI)
    ui::CommandButton Command1; // reset
    ui::CommandButton Command3; // save
    ui::CommandButton Command2; // language chooser
    ui::ListBox lst_Options;    // the lines of the options file, hidden

  private:
    void LayOut(ui::Frame& frame);
    void WireEvents();
    void PublishCaptureValues() { published_ = CaptureValues(); }
    void PublishExcludedPrograms();
    // The reset values: 800 x 600; Check1, Check2 and Check8 ticked.
    void SelectDefaults();
    std::array<ui::OptionButton*, kResolutionCount> Resolutions();
    std::array<ui::CheckBox*, kOptionCheckCount> Checks();
    void Apply(const OptionsFileContent& file);
    void EnableCustomBoxes(bool enabled);
    // A box that takes no text while what it belongs to is off, greyed.
    static void EnableBox(ui::TextBox& box, bool enabled);
    void CheckCustomNumber(const ui::TextBox& box);
    // Message 98: the options file could not be written.
    void ShowNotWritten(const std::exception& failure);
    // Sets the status label and appends a log line, both with the entry.
    void Report(int entry);

    MainForm& main_;
    catcher::CaptureOptions& published_;
};

} // namespace app
