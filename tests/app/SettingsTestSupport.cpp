#include "SettingsTestSupport.h"

#include "app/StartWithSystem.h"
#include "ui/WideText.h"

SettingsPanels::SettingsPanels() {
    ui::SetInstanceName("Local\\VellicorSettingsTest-" + std::to_string(GetCurrentProcessId()));
    ui::SetAppTitle("Vellicor Rizezuza");
    dir.Write("VLCRLANG.DRV", testing_support::ShippedDriver());
}

SettingsPanels::~SettingsPanels() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, app::kRunKey, app::kRunValueName);
}

app::MainForm& SettingsPanels::LoadMain() {
    app::MainForm& main = program.Main();
    main.Load();
    // Check2 (start minimized) may have hidden it in the tray.
    main.SetWindowState(ui::WindowState::Normal);
    main.Show();
    SetForegroundWindow(main.hWnd());
    testing_support::PumpMessages(20);
    return main;
}

void Click(const ui::Control& control) {
    ASSERT_NE(control.hWnd(), nullptr) << "the form is loaded";
    SendMessageA(control.hWnd(), BM_CLICK, 0, 0);
}

void Focus(const ui::Control& control) {
    ASSERT_NE(control.hWnd(), nullptr) << "the form is loaded";
    SetFocus(control.hWnd());
    ASSERT_EQ(GetFocus(), control.hWnd());
}

void SetText(const ui::TextBox& box, const std::string& text) {
    ASSERT_NE(box.hWnd(), nullptr) << "the form is loaded";
    SetWindowTextW(box.hWnd(), ui::Wide(text).c_str());
}

std::string BinaryBytes(size_t count) {
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>((i * 7919) % 251);
    return bytes;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int TemporaryFiles(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".tmp" || entry.path().extension() == ".TMP") ++count;
    return count;
}

ReadOnlyFile::ReadOnlyFile(std::filesystem::path path) : path_(path.string()) {
    EXPECT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY)) << path_;
}

ReadOnlyFile::~ReadOnlyFile() {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::optional<std::string> RunValue() {
    char value[4096] = {};
    DWORD size = sizeof value;
    const LONG status = RegGetValueA(HKEY_CURRENT_USER, app::kRunKey, app::kRunValueName, RRF_RT_REG_SZ,
                                     nullptr, value, &size);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return std::string(value);
}
