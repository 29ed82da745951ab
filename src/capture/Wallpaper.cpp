#include "capture/Wallpaper.h"

#include "app/MainForm.h"
#include "capture/BitmapFile.h"
#include "ui/AtomicFile.h"

#include <stdexcept>

namespace capture {
namespace {

constexpr int kFailedMessageEntry = 99;
constexpr int kWallpaperSetEntry = 101;

std::string WindowsDirectory() {
    const UINT needed = GetWindowsDirectoryA(nullptr, 0);
    if (needed == 0) return {};
    std::string path(needed, '\0');
    const UINT length = GetWindowsDirectoryA(path.data(), needed);
    if (length == 0 || length >= needed) return {};
    path.resize(length);
    return path;
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

bool Wallpaper::Save_Wallpaper() {
    try {
        // On a first run the start-up does not look the directory up; without
        // it the wallpaper would land at the root of the current drive.
        if (txt_WinDir.Text().empty()) Get_WinDir();
        if (txt_WinDir.Text().empty()) throw std::runtime_error("the Windows directory is unknown");
        const ui::Picture& picture = main_.capture.Picture1.GetPicture();
        if (!picture.IsBitmap()) throw std::runtime_error("there is no picture in memory");
        ui::WriteFileAtomically(WallpaperPath(),
                                EncodeBitmapFile(picture.Width(), picture.Height(), picture.Bits()));
        return true;
    } catch (const std::exception& e) {
        OutputDebugStringA(("The wallpaper file was not written: " + std::string(e.what()) + "\n").c_str());
        main_.ErrorReport(kFailedMessageEntry, ui::MsgIcon::Exclamation);
        return false;
    }
}

bool Wallpaper::Put_Wallpaper() {
    std::string path = WallpaperPath();
    if (!SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(),
                               SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)) {
        main_.ErrorReport(kFailedMessageEntry, ui::MsgIcon::Exclamation);
        return false;
    }
    main_.lbl_Status.SetCaption(main_.Catalogue(kWallpaperSetEntry));
    return true;
}

} // namespace capture
