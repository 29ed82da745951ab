#include "app/TargetPanel.h"

#include "app/MainForm.h"
#include "i18n/CatalogueEntries.h"
#include "ui/AtomicFile.h"
#include "ui/CurrentDirectory.h"
#include "ui/ProgramFolder.h"
#include "ui/SettingsFile.h"
#include "ui/WideText.h"

#include <cstdlib>

namespace app {
namespace {

// The panel writes each of its slots into the capture's settings.
static_assert(kSlotCount == catcher::CaptureSettings::kSlotCount);

void Trace(const std::string& text) {
    OutputDebugStringA((text + "\n").c_str());
}

// Target files are converted by the system's own ANSI code page.
const AnsiCodePage& SystemCodePage() {
    static const AnsiCodePage codePage{&ui::Utf8ToAnsi, &ui::AnsiToUtf8};
    return codePage;
}

bool IsMissingFileError(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool FileMissing(const std::string& path) {
    return GetFileAttributesW(ui::Wide(path).c_str()) == INVALID_FILE_ATTRIBUTES &&
           IsMissingFileError(GetLastError());
}

// A missing file is no error; a file that cannot be deleted is skipped.
void DeleteSettingsFile(const std::string& path) {
    if (DeleteFileW(ui::Wide(path).c_str())) return;
    const DWORD error = GetLastError();
    if (!IsMissingFileError(error)) Trace("Cannot delete " + path + " (error " + std::to_string(error) + ")");
}

} // namespace

TargetPanel::TargetPanel(MainForm& main, ui::Frame& frame, catcher::CaptureSettings& published)
    : lbl_TargetTitle(main), lbl_Target(main),
      lbl_TargetDescription(main), lbl_Slot{ui::Label(main, "#1:"), ui::Label(main, "#2:"),
                                            ui::Label(main, "#3:"), ui::Label(main, "#4:"),
                                            ui::Label(main, "#5:")},
      txt_TargetPath(main), txt_TargetPath2(main), txt_TargetPath3(main), txt_TargetPath4(main),
      txt_TargetPath5(main), Check_Folder_1(main), Check_Folder_2(main), Check_Folder_3(main),
      Check_Folder_4(main), Check_Folder_5(main), Command6(main), Command7(main), Command8(main),
      Command9(main), Command10(main), Command5(main), lbl_NameTemplate(main), txt_NameTemplate(main),
      lbl_NamePreview(main), main_(main),
      published_(published), folderTexts_{&txt_TargetPath, &txt_TargetPath2, &txt_TargetPath3,
                                          &txt_TargetPath4, &txt_TargetPath5},
      inUse_{&Check_Folder_1, &Check_Folder_2, &Check_Folder_3, &Check_Folder_4, &Check_Folder_5},
      browse_{&Command6, &Command7, &Command8, &Command9, &Command10} {
    LayOut(frame);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        BrowseButton(slot).OnClick = [this, slot] { Browse_Click(slot); };
        FolderText(slot).OnChange = [this, slot] { Publish(slot); };
        InUse(slot).OnChange = [this, slot] { Publish(slot); };
    }
    Command5.OnClick = [this] { Command5_Click(); };
    txt_NameTemplate.OnChange = [this] {
        published_.nameTemplate = capture::NameTemplate::Parse(txt_NameTemplate.Text());
        ShowNamePreview();
    };
}

void TargetPanel::Publish(int slot) {
    published_.Slot(slot) = {FolderText(slot).Text(), InUse(slot).Value() != 0};
}

void TargetPanel::LayOut(ui::Frame& frame) {
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&lbl_TargetTitle, &lbl_Target, &lbl_TargetDescription, &Command5,
                                             &lbl_NameTemplate, &txt_NameTemplate, &lbl_NamePreview})
        control->SetContainer(frame);
    lbl_TargetTitle.SetBold(true);
    lbl_TargetTitle.Move(120, 60, 7200, 300);
    lbl_Target.Move(120, 480, 7200, 255);
    lbl_TargetDescription.Move(120, 780, 7200, 510);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int top = 1440 + (slot - 1) * 390;
        ui::Control* row[] = {&lbl_Slot[static_cast<size_t>(slot - 1)], &InUse(slot), &FolderText(slot),
                              &BrowseButton(slot)};
        for (ui::Control* control : row) control->SetContainer(frame);
        lbl_Slot[static_cast<size_t>(slot - 1)].Move(120, top + 45, 400, 255);
        InUse(slot).Move(540, top + 15, 255, 300);
        FolderText(slot).Move(840, top, 4900, 330);
        BrowseButton(slot).Move(5820, top, 1500, 330);
    }
    lbl_NameTemplate.Move(120, 3495, 1400, 255);
    txt_NameTemplate.Move(1560, 3450, 3000, 330);
    lbl_NamePreview.Move(4680, 3495, 2640, 255);
    Command5.Move(120, 3900, 1700, 420);
}

void TargetPanel::TargetPath_Load(int slot) {
    const std::string name = ui::ProgramFile(TargetFileName(slot));
    if (FileMissing(name)) {
        // A slot without a file has no folder; whether it is in use stays.
        FolderText(slot).SetText({});
        return;
    }
    const std::optional<std::string> content = ui::ReadSettingsTail(name, kTargetFileTail);
    if (!content) {
        // An unreadable file ends this slot's load without a message.
        Trace("Cannot read " + name);
        return;
    }
    // Each line read sets the folder and ticks the slot, so the last line
    // counts and a file without lines changes nothing.
    if (const std::optional<std::string> folder = TargetFolderOf(*content, SystemCodePage())) {
        FolderText(slot).SetText(*folder);
        InUse(slot).SetValue(1);
    }
}

void TargetPanel::TargetPath_Save(int slot) {
    const std::string folder = FolderText(slot).Text();
    if (folder.empty()) return; // the file keeps its previous folder
    ui::WriteFileAtomically(ui::ProgramFile(TargetFileName(slot)),
                            FormatTargetFile(folder, SystemCodePage()));
    main_.lbl_Status.SetCaption(main_.Catalogue(i18n::entry::kFolderSaved));
}

void TargetPanel::Command5_Click() {
    SaveSlots();
    try {
        NameTemplate_Save();
    } catch (const std::exception& e) {
        Trace(e.what()); // as a slot that cannot be written: skipped without a message
    }
}

void TargetPanel::NameTemplate_Load() {
    const std::vector<std::string> lines = ui::SplitSettingsLines(
        ui::ReadSettingsFile(ui::ProgramFile(kNameTemplateFile)).value_or(std::string()));
    // Without the file: the automatic name, and the counter from 1.
    if (!lines.empty()) txt_NameTemplate.SetText(lines[0]);
    if (lines.size() > 1) {
        const long long counter = std::atoll(lines[1].c_str());
        if (counter >= 1 && counter < 1'000'000'000) main_.saver.SetNextCounter(static_cast<int>(counter));
    }
    ShowNamePreview();
}

void TargetPanel::NameTemplate_Save() {
    ui::WriteFileAtomically(ui::ProgramFile(kNameTemplateFile),
                            txt_NameTemplate.Text() + ui::kSettingsLineEnd +
                                std::to_string(main_.saver.NextCounter()) + ui::kSettingsLineEnd);
}

void TargetPanel::ShowNamePreview() {
    const capture::NameTemplate& pattern = published_.nameTemplate;
    if (pattern.Problem() != capture::TemplateProblem::None) {
        lbl_NamePreview.SetCaption(main_.Catalogue(i18n::entry::kTemplateRefused) + ": " +
                                   pattern.Offending());
        return;
    }
    const capture::NameFacts facts = main_.saver.FactsNow();
    lbl_NamePreview.SetCaption(pattern.Expand(facts) + std::string(capture::ExtensionOf(facts.format)));
}

// Writes the leading run of slots in use, deletes the file of the first slot
// not in use and leaves the slots after it alone.
void TargetPanel::SaveSlots() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (InUse(slot).Value() == 0) {
            DeleteSettingsFile(ui::ProgramFile(TargetFileName(slot)));
            return;
        }
        try {
            TargetPath_Save(slot);
        } catch (const std::exception& e) {
            // A slot that cannot be written is skipped without a message; the
            // others are still saved.
            Trace(e.what());
        }
    }
}

void TargetPanel::Browse_Click(int slot) {
    try {
        const std::string folder = ui::BrowseForFolder(main_.Catalogue(i18n::entry::kChooseFolder));
        if (folder.empty()) return; // cancelled
        FolderText(slot).SetText(folder);
        InUse(slot).SetValue(1);
    } catch (const std::exception& e) {
        Trace(std::string("The folder browser failed: ") + e.what());
        main_.ErrorReport(i18n::entry::kBrowserFailed, ui::MsgIcon::Exclamation);
        FolderText(slot).SetText(ui::CurrentDirectory());
    }
}

} // namespace app
