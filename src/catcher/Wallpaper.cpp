#include "catcher/Wallpaper.h"

#include "i18n/CatalogueEntries.h"
#include "ui/ProgramFolder.h"
#include "ui/WideText.h"

namespace catcher {
namespace {

std::string WindowsDirectory() {
    const UINT needed = GetWindowsDirectoryW(nullptr, 0);
    if (needed == 0) return {};
    std::wstring path(needed, L'\0');
    const UINT length = GetWindowsDirectoryW(path.data(), needed);
    if (length == 0 || length >= needed) return {};
    path.resize(length);
    return ui::Utf8(path);
}

} // namespace

Wallpaper::Wallpaper(i18n::Messages& messages) : messages_(messages) {}

void Wallpaper::Get_WinDir() {
    winDir = WindowsDirectory();
}

std::string Wallpaper::WallpaperPath() const {
    return winDir + "\\" + kWallpaperFileName;
}

capture::WallpaperPlan Wallpaper::Plan() {
    // On a first run the start-up does not look the directory up; without
    // it the wallpaper would land at the root of the current drive.
    if (winDir.empty()) Get_WinDir();
    capture::WallpaperPlan plan;
    if (!winDir.empty()) plan.paths.push_back(WallpaperPath());
    const std::string localData = ui::LocalAppDataFolder();
    if (!localData.empty())
        plan.paths.push_back(localData + "\\" + kLocalDataFolder + "\\" + kWallpaperFileName);
    return plan;
}

void Wallpaper::Put_Wallpaper(const capture::SaveResult& result) {
    std::wstring path = ui::Wide(result.wallpaperPath);
    if (result.wallpaper == capture::WallpaperOutcome::Written &&
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(),
                              SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)) {
        messages_.SetStatus(messages_.Catalogue(i18n::entry::kWallpaperSet));
        return;
    }
    messages_.ErrorReport(i18n::entry::kWallpaperNotSet, ui::MsgIcon::Exclamation);
    messages_.SetStatus(messages_.Catalogue(i18n::entry::kWallpaperNotSet));
    messages_.LogEntry(i18n::entry::kWallpaperNotSet);
}

} // namespace catcher
