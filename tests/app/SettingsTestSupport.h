// What the tests of the options and target-folders panels share: the
// program in a fresh start directory with the English driver, real clicks,
// focus changes and typing, and read-only files and folders.
#pragma once

#include "app/App.h"
#include "app/MainForm.h"
#include "ui/AppTitle.h"
#include "ui/SingleInstance.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

class SettingsPanels : public ::testing::Test {
  protected:
    SettingsPanels();
    // Saving the options writes the Run value of Windows' log-on start.
    ~SettingsPanels() override;
    // Loads the main window (the whole start-up load) and shows it.
    app::MainForm& LoadMain();

    testing_support::TempStartDir dir;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FixedClock clock{{2026, 12, 7, 16, 20, 0}};
    app::App program;
};

// A real click on a button, check box or option button.
void Click(const ui::Control& control);
// Moves the keyboard focus to the control (the last one loses it).
void Focus(const ui::Control& control);
// Types a text into a text box's window.
void SetText(const ui::TextBox& box, const std::string& text);
// Bytes of every value in a fixed, repeating order: 00 8A 19 A3 32 ...
std::string BinaryBytes(size_t count);
bool EndsWith(const std::string& text, const std::string& end);
// Temporary files left in a folder by an unfinished replacement.
int TemporaryFiles(const std::filesystem::path& folder);

// The per-user Run value "Vellicor Rizezuza"; nullopt when there is none.
std::optional<std::string> RunValue();

// Sets the read-only attribute while the object lives.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(std::filesystem::path path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  private:
    std::string path_;
};
