// The main window's caption table: every caption and tool tip of the main
// window, its panels and the tray menu, from the catalogue.
#include "app/MainForm.h"
#include "i18n/CatalogueEntries.h"

#include "app/App.h"
#include "app/StartForm.h"
#include "ui/IndependentStep.h"

#include <functional>

namespace app {

// The caption table: each step is independent of the others.
void MainForm::Get_Language() {
    StartForm& start = App::Current().Start();
    struct Step {
        int entry;
        std::function<void(const std::string&)> assign;
    };
    const Step steps[] = {
        {50, [this](const std::string& t) { CoolButton4.SetToolTipText(t); }},
        {26, [this](const std::string& t) { CoolButton1.SetToolTipText(t); }},
        {27, [this](const std::string& t) { CoolButton2.SetToolTipText(t); }},
        {28, [this](const std::string& t) { Image1.SetToolTipText(t); }},
        {30, [this](const std::string& t) { options.Command1.SetCaption(t); }},
        {29, [this](const std::string& t) { options.Command3.SetCaption(t); }},
        {32, [this](const std::string& t) { options.Command2.SetCaption(t); }},
        {26, [this](const std::string& t) { options.lbl_Options.SetCaption(t); }},
        {34, [this](const std::string& t) { options.lbl_FromResolution.SetCaption(t); }},
        {80, [this](const std::string& t) { memory.lbl_LatestSaved.SetCaption(t); }},
        {41, [this](const std::string& t) { options.Option6.SetCaption(t); }},
        {35, [this](const std::string& t) { options.Check1.SetCaption(t); }},
        {36, [this](const std::string& t) { options.Check2.SetCaption(t); }},
        {37, [this](const std::string& t) { options.Check3.SetCaption(t); }},
        {38, [this](const std::string& t) { options.Check4.SetCaption(t); }},
        {39, [this](const std::string& t) { options.Check5.SetCaption(t); }},
        {40, [this](const std::string& t) { options.Check6.SetCaption(t); }},
        {43, [this](const std::string& t) { options.Check7.SetCaption(t); }},
        {46, [this](const std::string& t) { options.Check8.SetCaption(t); }},
        {i18n::entry::kLosslessCaption, [this](const std::string& t) { options.Check9.SetCaption(t); }},
        {i18n::entry::kNearlySameCaption, [this](const std::string& t) { options.Check10.SetCaption(t); }},
        {i18n::entry::kWebpCaption, [this](const std::string& t) { options.Check11.SetCaption(t); }},
        {i18n::entry::kWebpQualityHint,
         [this](const std::string& t) { options.txt_WebpQuality.SetToolTipText(t); }},
        {i18n::entry::kExcludedCaption, [this](const std::string& t) { options.lbl_Excluded.SetCaption(t); }},
        {i18n::entry::kExcludedHint,
         [this](const std::string& t) { options.txt_Excluded.SetToolTipText(t); }},
        {i18n::entry::kTemplateCaption,
         [this](const std::string& t) { targets.lbl_NameTemplate.SetCaption(t); }},
        {i18n::entry::kTemplateHint,
         [this](const std::string& t) { targets.txt_NameTemplate.SetToolTipText(t); }},
        {33, [&start](const std::string& t) { start.Folders.caption = t; }},
        {26, [&start](const std::string& t) { start.Options.caption = t; }},
        {31, [&start](const std::string& t) { start.In_Memory.caption = t; }},
        {191, [&start](const std::string& t) { start.Blank.caption = t; }},
        {27, [&start](const std::string& t) { start.Close.caption = t; }},
        {31, [this](const std::string& t) { memory.lbl_InMemory.SetCaption(t); }},
        {29, [this](const std::string& t) { memory.lbl_Save.SetCaption(t); }},
        {44, [this](const std::string& t) { memory.Command15.SetCaption(t); }},
        {50, [this](const std::string& t) { targets.lbl_TargetTitle.SetCaption(t); }},
        {51, [this](const std::string& t) { targets.lbl_Target.SetCaption(t); }},
        {52, [this](const std::string& t) { targets.lbl_TargetDescription.SetCaption(t); }},
        {53, [this](const std::string& t) { targets.Command6.SetCaption(t); }},
        {53, [this](const std::string& t) { targets.Command7.SetCaption(t); }},
        {53, [this](const std::string& t) { targets.Command8.SetCaption(t); }},
        {53, [this](const std::string& t) { targets.Command9.SetCaption(t); }},
        {53, [this](const std::string& t) { targets.Command10.SetCaption(t); }},
        {29, [this](const std::string& t) { targets.Command5.SetCaption(t); }},
        {45, [this](const std::string& t) { Command16.SetCaption(t); }},
    };
    for (const Step& step : steps)
        ui::RunIndependently("Main window captions", [&] { step.assign(Catalogue(step.entry)); });
}

} // namespace app
