#include "capture/Wallpaper.h"

#include "app/MainForm.h"
#include "i18n/AddedEntries.h"
#include "ui/WideText.h"

#include <shlobj.h>

namespace capture {
namespace {

constexpr int kWallpaperSetEntry = 101;

std::string WindowsDirectory() {
    const UINT needed = GetWindowsDirectoryW(nullptr, 0);
    if (needed == 0) return {};
    std::wstring path(needed, L'\0');
    const UINT length = GetWindowsDirectoryW(path.data(), needed);
    if (length == 0 || length >= needed) return {};
    path.resize(length);
    return ui::Utf8(path);
}

std::string LocalApplicationData() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                path)))
        return {};
    return ui::Utf8(path);
}

} // namespace

Wallpaper::Wallpaper(app::MainForm& main) : txt_WinDir(main), main_(main) {
    txt_WinDir.SetVisible(false);
    txt_WinDir.Move(0, 0, 300, 300);
}

void Wallpaper::Get_WinDir() {
    txt_WinDir.SetText(WindowsDirectory());
}

std::string Wallpaper::WallpaperPath() const {
    return txt_WinDir.Text() + "\\" + kWallpaperFileName;
}

WallpaperPlan Wallpaper::Plan() {
    // On a first run the start-up does not look the directory up; without
    // it the wallpaper would land at the root of the current drive.
    if (txt_WinDir.Text().empty()) Get_WinDir();
    WallpaperPlan plan;
    if (!txt_WinDir.Text().empty()) plan.paths.push_back(WallpaperPath());
    const std::string localData = LocalApplicationData();
    if (!localData.empty())
        plan.paths.push_back(localData + "\\" + kLocalDataFolder + "\\" + kWallpaperFileName);
    return plan;
}

void Wallpaper::Put_Wallpaper(const SaveResult& result) {
    std::wstring path = ui::Wide(result.wallpaperPath);
    if (result.wallpaper == WallpaperOutcome::Written &&
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(),
                              SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)) {
        main_.lbl_Status.SetCaption(main_.Catalogue(kWallpaperSetEntry));
        return;
    }
    main_.ErrorReport(i18n::kWallpaperNotSetEntry, ui::MsgIcon::Exclamation);
    main_.lbl_Status.SetCaption(main_.Catalogue(i18n::kWallpaperNotSetEntry));
    main_.AppendLog(main_.Catalogue(i18n::kWallpaperNotSetEntry));
}

} // namespace capture
